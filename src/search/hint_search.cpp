#include "search/hint_search.h"

#include <cstdio>

#include "core/keys.h"
#include "game/rest_state.h"
#include "search/played_level.h"

namespace {

SearchLimits HintSearchLimits(const HintLimits& limits, const std::atomic<bool>* cancel) {
    SearchLimits search;
    search.maxPositions = limits.maxPositions;
    search.maxSeconds = limits.maxSeconds;
    search.maxBytes = limits.maxBytes;
    search.followDeaths = false;
    search.cancel = cancel;
    return search;
}

std::string GaveUpText(const Hint& hint) {
    char text[80];
    switch (hint.stoppedBy) {
        case SearchStop::kPositions:
            std::snprintf(text, sizeof text, "No hint: the search gave up after %zu positions",
                          hint.positions);
            return text;
        case SearchStop::kSeconds:
            std::snprintf(text, sizeof text, "No hint: the search gave up after %.1f s",
                          hint.seconds);
            return text;
        case SearchStop::kMemory:
            return "No hint: the search ran out of memory";
        default:
            return "No hint: the search was cancelled";
    }
}

// The way is played press by press from where it starts; each position at
// rest on it is kept in the form the search keeps it in.
std::vector<uint64_t> HashWayAhead(const Position& atRest, const std::vector<int>& way,
                                   const std::atomic<bool>* cancel) {
    std::vector<uint64_t> hashes;
    PlayedLevel level;
    level.SetPosition(atRest);
    for (size_t i = 0; i + 1 < way.size() && !(cancel && *cancel); ++i) {
        if (level.Press(SearchKeyCode(way[i])) != PressOutcome::kAtRest)
            break;
        ForgetSpentCooldown(level.Rewind());
        hashes.push_back(HashPosition(level.position()));
    }
    return hashes;
}

}  // namespace

// A breadth-first search stops at its first solution, which is a shortest one.
Hint FindHint(const Position& atRest, const HintLimits& limits, const std::atomic<bool>* cancel) {
    const SearchResult result = SearchFrom(atRest, HintSearchLimits(limits, cancel), false);
    Hint hint;
    if (result.solved) {
        hint.kind = HintKind::kPress;
        hint.keyCode = SearchKeyCode(result.solution.front());
        hint.presses = static_cast<int>(result.solution.size());
        if (limits.hashWayAhead)
            hint.wayAhead = HashWayAhead(atRest, result.solution, cancel);
    } else if (result.complete) {
        hint.kind = HintKind::kNoWay;
    }
    hint.stoppedBy = result.stoppedBy;
    hint.positions = result.Positions();
    hint.seconds = result.seconds;
    return hint;
}

std::string HintText(const Hint& hint) {
    switch (hint.kind) {
        case HintKind::kPress:
            return std::string("Hint: ") + KeyName(hint.keyCode) + " (" +
                   std::to_string(hint.presses) + (hint.presses == 1 ? " press" : " presses") +
                   " to the exit)";
        case HintKind::kNoWay:
            return "No way to the exit from here: undo (Z) or reset to the checkpoint (X)";
        default:
            return GaveUpText(hint);
    }
}
