#include "store/xml_child_index.h"

#include <cstring>

namespace {

// Below this many children a linear scan is cheaper than building an index.
constexpr size_t kIndexedChildCount = 32;

bool HasAtLeastChildren(pugi::xml_node parent, size_t count) {
    size_t seen = 0;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (++seen >= count)
            return true;
    return false;
}

void AddToGroup(XmlNodeGroups* groups, pugi::xml_node child, const char* attributeName) {
    if (pugi::xml_attribute attribute = child.attribute(attributeName))
        (*groups)[attribute.value()].push_back(child);
}

std::unique_ptr<XmlChildIndex> BuildIndex(pugi::xml_node parent) {
    auto index = std::make_unique<XmlChildIndex>();
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (std::strcmp(child.name(), "Section") == 0)
            AddToGroup(&index->sections, child, "label");
        else if (std::strcmp(child.name(), "KeyVal") == 0)
            AddToGroup(&index->values, child, "Key");
    }
    return index;
}

}  // namespace

const XmlChildIndex* XmlChildIndexCache::Find(pugi::xml_node parent) {
    auto found = indexes_.find(parent.internal_object());
    if (found != indexes_.end())
        return found->second.get();
    std::unique_ptr<XmlChildIndex> index;
    if (HasAtLeastChildren(parent, kIndexedChildCount))
        index = BuildIndex(parent);
    return indexes_.emplace(parent.internal_object(), std::move(index)).first->second.get();
}

bool HasAttributeValue(pugi::xml_node node, const char* name, std::string_view value) {
    pugi::xml_attribute attribute = node.attribute(name);
    return attribute && value == attribute.value();
}
