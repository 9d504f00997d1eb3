// Test stand-in for the store, linked only while the store library has no
// sources of its own. It reads the same file layout (nested Section elements
// with a label, KeyVal elements with a Key) so that tests written against it
// run unchanged on the real store.

#include <pugixml.hpp>

#include <cstring>
#include <map>
#include <string>
#include <unordered_map>

#include "platform/sys_path.h"
#include "store/xmlcontext.h"
#include "world/text_numbers.h"

// Child sections and values are indexed by label and key on first use, so
// that a large level loads in linear time. The first match in document order
// is the one indexed.
class XmlDocument {
  public:
    pugi::xml_document dom;

    pugi::xml_node Child(pugi::xml_node parent, const char* element, const char* attribute,
                         const std::string& name) {
        auto& children = index_[{parent.internal_object(), element}];
        if (children.empty())
            for (pugi::xml_node child : parent.children(element))
                children.emplace(child.attribute(attribute).value(), child);
        auto found = children.find(name);
        return found == children.end() ? pugi::xml_node() : found->second;
    }

  private:
    std::map<std::pair<pugi::xml_node_struct*, std::string>,
             std::unordered_map<std::string, pugi::xml_node>>
        index_;
};

XmlContext::XmlContext(const char* fileName) : document_(new XmlDocument) {
    FILE* file = Sys_OpenFile(std::string("./gamedata\\") + fileName, "rb");
    if (!file)
        return;
    std::string text;
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, n);
    std::fclose(file);
    document_->dom.load_buffer(text.data(), text.size());
}

XmlContext::~XmlContext() = default;

namespace {

pugi::xml_node FindSection(XmlDocument& document, const char* path) {
    pugi::xml_node section = document.Child(document.dom, "Section", "label", "Root");
    if (!*path || std::strcmp(path, "*") == 0)
        return section;
    std::string label;
    for (const char* c = path;; ++c) {
        if (*c == '\\' || *c == '\0') {
            if (label.empty())
                return pugi::xml_node();
            section = document.Child(section, "Section", "label", label);
            label.clear();
            if (!*c)
                return section;
        } else if (*c != '*') {
            label.push_back(*c);
        }
    }
}

bool FindValue(XmlDocument& document, const char* section, const char* key, std::string* out) {
    pugi::xml_node node = FindSection(document, section);
    if (!node)
        return false;
    pugi::xml_node value = document.Child(node, "KeyVal", "Key", key);
    if (!value)
        return false;
    *out = value.text().get();
    return true;
}

}  // namespace

bool XmlContext::GetString(const char* section, const char* key, char* out, size_t capacity) {
    std::string text;
    if (!FindValue(*document_, section, key, &text) || capacity == 0)
        return false;
    size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return true;
}

bool XmlContext::GetInt(const char* section, const char* key, int32_t* out) {
    std::string text;
    if (!FindValue(*document_, section, key, &text))
        return false;
    *out = ParseLeadingInt(text.c_str());
    return true;
}

bool XmlContext::GetDouble(const char* section, const char* key, double* out) {
    std::string text;
    if (!FindValue(*document_, section, key, &text))
        return false;
    *out = ParseLeadingDouble(text.c_str());
    return true;
}
