#include "level_pointers.h"

#include <set>
#include <string>

#include "game/draw_list.h"
#include "world/level.h"

namespace {

std::set<const Pawn*> LevelPawnAddresses() {
    std::set<const Pawn*> addresses;
    for (const LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
        addresses.insert(&node->data);
    return addresses;
}

// Names the first pointer of the list that is not a pawn of the level.
bool ListValid(const char* name, const LinkedList<Pawn*>& list, const std::set<const Pawn*>& level,
               std::string* fault) {
    int index = 0;
    for (const LLNode<Pawn*>* node = list.head; node; node = node->next, ++index) {
        if (!level.count(node->data)) {
            *fault = std::string(name) + "[" + std::to_string(index) + "] is not in LevelPawns";
            return false;
        }
    }
    return true;
}

bool PointerValid(const char* name, const Pawn* pawn, const std::set<const Pawn*>& level,
                  std::string* fault) {
    if (!pawn || level.count(pawn))
        return true;
    *fault = std::string(name) + " is not in LevelPawns";
    return false;
}

}  // namespace

::testing::AssertionResult LevelPointersValid() {
    const std::set<const Pawn*> level = LevelPawnAddresses();
    std::string fault;
    const bool valid = ListValid("DrawList", DrawList, level, &fault) &&
                       ListValid("GatePawns", GatePawns, level, &fault) &&
                       ListValid("Id3Pawns", Id3Pawns, level, &fault) &&
                       ListValid("MovingPawns", MovingPawns, level, &fault) &&
                       ListValid("BlockingPawns", BlockingPawns, level, &fault) &&
                       ListValid("CellActionPawns", CellActionPawns, level, &fault) &&
                       ListValid("PickupPawns", PickupPawns, level, &fault) &&
                       ListValid("AnimatedPawns", AnimatedPawns, level, &fault) &&
                       PointerValid("PlayerPawn", PlayerPawn, level, &fault) &&
                       PointerValid("FinishPawn", FinishPawn, level, &fault);
    if (valid)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << fault;
}
