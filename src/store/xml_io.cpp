#include "store/xml_io.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/sys_path.h"

namespace {

// The whole file, or false when it cannot be opened or read.
bool ReadWholeFile(const char* dataPath, std::vector<char>* bytes) {
    FILE* file = Sys_OpenFile(dataPath, "rb");
    if (file == nullptr)
        return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0)
        bytes->insert(bytes->end(), chunk, chunk + got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// Well-formed XML has exactly one document element; the parser also accepts
// several, which would let a second tree stand in for the root.
bool HasOneDocumentElement(const pugi::xml_document& document) {
    int elements = 0;
    for (pugi::xml_node child = document.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            ++elements;
    return elements == 1;
}

}  // namespace

void XmlDocument::Load(const char* dataPath) {
    document_.reset();
    index_.Clear();
    std::vector<char> bytes;
    if (ReadWholeFile(dataPath, &bytes) && !bytes.empty())
        Parse(bytes.data(), bytes.size());
}

void XmlDocument::Parse(const char* bytes, size_t size) {
    pugi::xml_parse_result result = document_.load_buffer(bytes, size);
    // The parser keeps what it read before an error; a broken file must read as empty.
    if (!result || !HasOneDocumentElement(document_))
        document_.reset();
}

pugi::xml_node XmlDocument::RootSection() const {
    pugi::xml_node root = document_.document_element();
    if (std::strcmp(root.name(), "Section") != 0 || !HasAttributeValue(root, "label", "Root"))
        return pugi::xml_node();
    return root;
}

void XmlDocument::AppendSections(pugi::xml_node parent, std::string_view label,
                                 std::vector<pugi::xml_node>* out) {
    if (const XmlChildIndex* index = index_.Find(parent)) {
        auto group = index->sections.find(label);
        if (group != index->sections.end())
            out->insert(out->end(), group->second.begin(), group->second.end());
        return;
    }
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (std::strcmp(child.name(), "Section") == 0 && HasAttributeValue(child, "label", label))
            out->push_back(child);
}

pugi::xml_node XmlDocument::FindValue(pugi::xml_node parent, std::string_view key) {
    if (const XmlChildIndex* index = index_.Find(parent)) {
        auto group = index->values.find(key);
        return group == index->values.end() ? pugi::xml_node() : group->second.front();
    }
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (std::strcmp(child.name(), "KeyVal") == 0 && HasAttributeValue(child, "Key", key))
            return child;
    return pugi::xml_node();
}
