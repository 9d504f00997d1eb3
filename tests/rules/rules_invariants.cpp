#include "rules_invariants.h"

#include "../game/level_pointers.h"
#include "world/level.h"

namespace {

std::string FrameOutOfRange() {
    int index = 0;
    for (auto* node = LevelPawns.head; node; node = node->next, ++index) {
        const Pawn& pawn = node->data;
        const int last = pawn.Template->Frames.LastIndex();
        if (pawn.Frame < 0 || pawn.Frame > (last < 0 ? 0 : last))
            return "pawn " + std::to_string(index) + " of template slot " +
                   std::to_string(pawn.Template - PawnTemplates) + " shows frame " +
                   std::to_string(pawn.Frame) + " of " + std::to_string(last + 1);
    }
    return "";
}

}  // namespace

std::string BrokenInvariant() {
    ::testing::AssertionResult pointers = LevelPointersValid();
    return pointers ? FrameOutOfRange() : pointers.message();
}
