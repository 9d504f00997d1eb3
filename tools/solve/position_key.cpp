#include "position_key.h"

#include <cstring>

#include "game/flow_state.h"
#include "world/level.h"

namespace {

// Two independent 64-bit mixes of the same words.
class KeyHasher {
  public:
    void Add(uint64_t word) {
        high_ = Mix(high_ ^ word, 0x9E3779B97F4A7C15ull);
        low_ = Mix(low_ + word, 0xC2B2AE3D27D4EB4Full);
    }
    PositionKey Key() const { return {high_, low_}; }

  private:
    static uint64_t Mix(uint64_t x, uint64_t multiplier) {
        x *= multiplier;
        x ^= x >> 31;
        x *= 0xBF58476D1CE4E5B9ull;
        return x ^ (x >> 29);
    }
    uint64_t high_ = 0x243F6A8885A308D3ull;
    uint64_t low_ = 0x13198A2E03707344ull;
};

uint64_t Bits(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void AddPawns(const LinkedList<Pawn>& pawns, KeyHasher* hasher) {
    for (auto* node = pawns.head; node; node = node->next) {
        const Pawn& pawn = node->data;
        const Transform& at = pawn.Placement;
        hasher->Add(static_cast<uint64_t>(pawn.Template - PawnTemplates) << 2 |
                    static_cast<uint64_t>(pawn.Settled != 0) << 1 | pawn.Falling);
        hasher->Add(Bits(at.xoffset) << 32 | Bits(at.yoffset));
        hasher->Add(Bits(at.zoffset));
    }
    hasher->Add(~0ull);  // the end of the list
}

}  // namespace

PositionKey KeyOfPosition() {
    KeyHasher hasher;
    AddPawns(LevelPawns, &hasher);
    AddPawns(SavedPawns, &hasher);
    hasher.Add(static_cast<uint32_t>(BombCount));
    return hasher.Key();
}

PositionKey KeyOfRestartCopy() {
    KeyHasher hasher;
    AddPawns(SavedPawns, &hasher);
    return hasher.Key();
}
