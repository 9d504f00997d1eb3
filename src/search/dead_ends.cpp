#include "search/dead_ends.h"

#include <vector>

DeadEnds FindDeadEnds(const SearchResult& result) {
    const size_t positions = result.Positions();
    std::vector<std::vector<int32_t>> ledFrom(positions);
    for (const auto& [from, to] : result.edges)
        ledFrom[to].push_back(from);
    std::vector<bool> canFinish(result.winning);
    std::vector<int32_t> open;
    for (size_t p = 0; p < positions; ++p)
        if (canFinish[p])
            open.push_back(static_cast<int32_t>(p));
    while (!open.empty()) {
        const int32_t at = open.back();
        open.pop_back();
        for (int32_t before : ledFrom[at])
            if (!canFinish[before]) {
                canFinish[before] = true;
                open.push_back(before);
            }
    }
    DeadEnds found;
    for (size_t p = 0; p < positions; ++p)
        if (!canFinish[p] && found.count++ == 0)
            found.nearest = static_cast<int32_t>(p);
    return found;
}
