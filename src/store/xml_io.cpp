#include "store/xml_io.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sys_path.h"

namespace {

// The largest store read: a level store of about 45,000 pawns; the parsed
// tree takes a few times the file's size again.
constexpr size_t kMaxStoreBytes = 32u << 20;

// Well-formed XML has exactly one document element; the parser also accepts
// several, which would let a second tree stand in for the root.
bool HasOneDocumentElement(const pugi::xml_document& document) {
    int elements = 0;
    for (pugi::xml_node child = document.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            ++elements;
    return elements == 1;
}

int LineAt(const std::vector<char>& bytes, ptrdiff_t offset) {
    const size_t end = std::min(bytes.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + end, '\n'));
}

}  // namespace

void XmlDocument::Load(const char* dataPath) {
    Read(dataPath, Sys_ReadDataFile);
}

void XmlDocument::LoadHostFile(const char* hostPath) {
    Read(hostPath, Sys_ReadHostFile);
}

void XmlDocument::Read(const char* path, FileReader reader) {
    document_.reset();
    index_.Clear();
    std::vector<char> bytes;
    std::string why;
    if (!reader(path, kMaxStoreBytes, &bytes, &why))
        return Sys_ReportFileProblem(path, why);
    Parse(path, bytes);
}

// A broken file reads as empty, though the parser keeps what it read before
// an error.
void XmlDocument::Parse(const char* path, const std::vector<char>& bytes) {
    pugi::xml_parse_result result = document_.load_buffer(bytes.data(), bytes.size());
    std::string problem;
    if (!result)
        problem = "XML error at line " + std::to_string(LineAt(bytes, result.offset)) + ": " +
                  result.description();
    else if (!HasOneDocumentElement(document_))
        problem = "XML error: the document has more than one element at its top";
    else if (!RootSection())
        problem = "the document element is not <Section label=\"Root\">";
    if (problem.empty())
        return;
    document_.reset();
    Sys_ReportFileProblem(path, problem);
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
