// Test stand-in for the store, linked only while the store library has no
// sources of its own. It reads the same file layout (nested Section elements
// with a label, KeyVal elements with a Key) so that tests written against it
// run unchanged on the real store.

#include <pugixml.hpp>

#include <cstring>
#include <string>

#include "platform/sys_path.h"
#include "store/xmlcontext.h"
#include "world/text_numbers.h"

class XmlDocument {
  public:
    pugi::xml_document dom;
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

pugi::xml_node FindSection(pugi::xml_node root, const char* path) {
    pugi::xml_node section = root.find_child_by_attribute("Section", "label", "Root");
    if (!*path || std::strcmp(path, "*") == 0)
        return section;
    std::string label;
    for (const char* c = path;; ++c) {
        if (*c == '\\' || *c == '\0') {
            if (label.empty())
                return pugi::xml_node();
            section = section.find_child_by_attribute("Section", "label", label.c_str());
            label.clear();
            if (!*c)
                return section;
        } else if (*c != '*') {
            label.push_back(*c);
        }
    }
}

bool FindValue(XmlDocument& document, const char* section, const char* key, std::string* out) {
    pugi::xml_node node = FindSection(document.dom, section);
    pugi::xml_node value = node.find_child_by_attribute("KeyVal", "Key", key);
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
