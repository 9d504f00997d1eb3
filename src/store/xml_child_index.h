#pragma once
// Lookup tables for elements with many children. A read names a child by an
// attribute value (a Section by its label, a KeyVal by its Key); scanning a
// section of 10,000 pawns for every read would make a level load quadratic,
// so an element with many children gets its children grouped by those
// values, each group in document order, the first time it is searched.

#include <pugixml.hpp>

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

using XmlNodeGroups = std::unordered_map<std::string_view, std::vector<pugi::xml_node>>;

struct XmlChildIndex {
    XmlNodeGroups sections;  // <Section> children by label
    XmlNodeGroups values;    // <KeyVal> children by Key
};

class XmlChildIndexCache {
  public:
    // The index of parent, built on first use; null when parent has so few
    // children that scanning them is cheaper.
    const XmlChildIndex* Find(pugi::xml_node parent);
    void Clear() { indexes_.clear(); }

  private:
    std::unordered_map<const void*, std::unique_ptr<XmlChildIndex>> indexes_;
};

// True when node's attribute called name has the value value. Of a repeated
// attribute (a file error the parser lets through) only the first counts.
bool HasAttributeValue(pugi::xml_node node, const char* name, std::string_view value);
