#include "store/xml_select.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string_view TextOf(const StoreQuery& query, QueryText piece) {
    return std::string_view(query.expression + piece.offset, piece.length);
}

// Every section the query's path matches, in document order. Each step keeps
// document order: the children of an earlier section all come before those
// of a later one.
std::vector<pugi::xml_node> MatchSections(XmlDocument* document, const StoreQuery& query) {
    std::vector<pugi::xml_node> current;
    if (pugi::xml_node root = document->RootSection())
        current.push_back(root);
    std::vector<pugi::xml_node> next;
    for (int step = 0; step < query.sectionStepCount && !current.empty(); ++step) {
        next.clear();
        std::string_view label = TextOf(query, query.sectionLabels[step]);
        for (pugi::xml_node section : current)
            document->AppendSections(section, label, &next);
        std::swap(current, next);
    }
    return current;
}

}  // namespace

pugi::xml_node SelectValue(XmlDocument* document, const StoreQuery& query) {
    if (!query.usable)
        return pugi::xml_node();
    std::string_view key = TextOf(query, query.key);
    for (pugi::xml_node section : MatchSections(document, query))
        if (pugi::xml_node value = document->FindValue(section, key))
            return value;
    return pugi::xml_node();
}
