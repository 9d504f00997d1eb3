// The level index: positions in the pawn list by kind, rebuilt from scratch.

#include <algorithm>

#include "core/fatal_error.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

// Every test applies; a later pawn replaces an earlier hero or finish.
void IndexPawn(const Pawn& pawn, int32_t at, LevelIndex* index) {
    const PawnTemplate& t = *pawn.Template;
    if (IsHero(t))
        index->PlayerPawn = at;
    if (IsExit(t))
        index->FinishPawn = at;
    if (IsGate(t))
        index->GatePawns.push_back(at);
    if (IsDestructible(t))
        index->DestructiblePawns.push_back(at);
    if (CanMove(t))
        index->MovingPawns.push_back(at);
    if (Blocks(t)) {
        index->BlockingPawns.push_back(at);
        if (IsFixedBlocker(t))
            index->FixedBlockers.push_back({pawn.Placement.xoffset, at});
        else
            index->LooseBlockers.push_back(at);
    }
    if (IsCellAction(t))
        index->CellActionPawns.push_back(at);
    if (IsPickup(t))
        index->PickupPawns.push_back(at);
    if (t.IsAnimated())
        index->AnimatedPawns.push_back(at);
}

bool ColumnBefore(const ColumnEntry& a, const ColumnEntry& b) {
    return a.x < b.x || (a.x == b.x && a.pawn < b.pawn);
}

}  // namespace

void BuildLevelIndex(const PawnList& pawns, LevelIndex* index) {
    *index = LevelIndex();
    for (size_t at = 0; at < pawns.size(); ++at)
        IndexPawn(pawns[at], static_cast<int32_t>(at), index);
    std::sort(index->FixedBlockers.begin(), index->FixedBlockers.end(), ColumnBefore);
    if (index->PlayerPawn < 0)
        ShowFatalError("No player start position defined for this level.");
}

ColumnRange FixedBlockersAt(const LevelIndex& index, float x) {
    const ColumnEntry* first = index.FixedBlockers.data();
    const ColumnEntry* last = first + index.FixedBlockers.size();
    auto range =
        std::equal_range(first, last, ColumnEntry{x, 0},
                         [](const ColumnEntry& a, const ColumnEntry& b) { return a.x < b.x; });
    return {range.first, range.second};
}

bool LevelIndex::operator==(const LevelIndex& other) const {
    return GatePawns == other.GatePawns && DestructiblePawns == other.DestructiblePawns &&
           MovingPawns == other.MovingPawns && BlockingPawns == other.BlockingPawns &&
           CellActionPawns == other.CellActionPawns && PickupPawns == other.PickupPawns &&
           AnimatedPawns == other.AnimatedPawns && PlayerPawn == other.PlayerPawn &&
           FinishPawn == other.FinishPawn;
}
