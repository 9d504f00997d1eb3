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

// Files written by other tools may repeat an attribute; the child then
// belongs to the group of every value it carries, once.
void AddToGroups(XmlNodeGroups* groups, pugi::xml_node child, const char* attributeName) {
    for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute()) {
        if (std::strcmp(a.name(), attributeName) != 0)
            continue;
        std::vector<pugi::xml_node>& group = (*groups)[a.value()];
        if (group.empty() || group.back() != child)
            group.push_back(child);
    }
}

std::unique_ptr<XmlChildIndex> BuildIndex(pugi::xml_node parent) {
    auto index = std::make_unique<XmlChildIndex>();
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (std::strcmp(child.name(), "Section") == 0)
            AddToGroups(&index->sections, child, "label");
        else if (std::strcmp(child.name(), "KeyVal") == 0)
            AddToGroups(&index->values, child, "Key");
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
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        if (std::strcmp(a.name(), name) == 0 && value == a.value())
            return true;
    return false;
}
