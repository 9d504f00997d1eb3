#include "game/position.h"

#include <cstring>

#include "world/template_roles.h"

namespace {

const std::shared_ptr<const PawnList>& NoPawns() {
    static const auto empty = std::make_shared<const PawnList>();
    return empty;
}

const std::shared_ptr<const LevelIndex>& NoIndex() {
    static const auto empty = std::make_shared<const LevelIndex>();
    return empty;
}

// The frame decides when a one-shot animation leaves the level; any other
// frame is only seen.
bool FrameMatters(const Pawn& pawn) {
    return LeavesAfterAnimation(*pawn.Template);
}

bool SameFlow(const Position& a, const Position& b) {
    return a.GameState == b.GameState && a.LevelPhase == b.LevelPhase &&
           a.CurrentLevel == b.CurrentLevel && a.HeroDead == b.HeroDead &&
           a.LevelFinished == b.LevelFinished && a.HeroLookedAround == b.HeroLookedAround &&
           a.InputCooldown == b.InputCooldown && a.BombCount == b.BombCount;
}

bool SameIndex(const Position& a, const Position& b) {
    if (!a.IndexOutOfDate && !b.IndexOutOfDate)
        return true;  // then each index follows from its pawns
    return a.IndexOutOfDate == b.IndexOutOfDate && (a.Index == b.Index || *a.Index == *b.Index);
}

// Positions compare equal with -0 and 0, so both hash as 0.
uint64_t Bits(float value) {
    if (value == 0.0f)
        return 0;
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

uint64_t Mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    return x ^ (x >> 33);
}

uint64_t Combine(uint64_t seed, uint64_t word) {
    return Mix(seed ^ (word + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2)));
}

uint64_t FlowHash(const Position& p) {
    uint64_t h = Combine(static_cast<uint32_t>(p.GameState), static_cast<uint32_t>(p.LevelPhase));
    h = Combine(h, static_cast<uint32_t>(p.CurrentLevel));
    h = Combine(h, static_cast<uint64_t>(p.HeroDead) | static_cast<uint64_t>(p.LevelFinished) << 1 |
                       static_cast<uint64_t>(p.HeroLookedAround) << 2 |
                       static_cast<uint64_t>(p.IndexOutOfDate) << 3);
    h = Combine(h, static_cast<uint32_t>(p.InputCooldown));
    return Combine(h, static_cast<uint32_t>(p.BombCount));
}

}  // namespace

Position::Position() : SavedPawns(NoPawns()), Index(NoIndex()) {}

bool SamePawnForRules(const Pawn& a, const Pawn& b) {
    return a.Template == b.Template && a.Type == b.Type && a.Settled == b.Settled &&
           a.Visible == b.Visible && a.Falling == b.Falling && a.HolderPopped == b.HolderPopped &&
           SameOffsets(a.Placement, b.Placement) && SameOffsets(a.Motion, b.Motion) &&
           (!FrameMatters(a) || a.Frame == b.Frame);
}

bool SamePawnsForRules(const PawnList& a, const PawnList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SamePawnForRules(a[i], b[i]))
            return false;
    return true;
}

bool operator==(const Position& a, const Position& b) {
    return SameFlow(a, b) && SamePawnsForRules(a.LevelPawns, b.LevelPawns) &&
           (a.SavedPawns == b.SavedPawns || SamePawnsForRules(*a.SavedPawns, *b.SavedPawns)) &&
           SameIndex(a, b);
}

uint8_t PawnFlagBits(const Pawn& pawn) {
    return static_cast<uint8_t>((pawn.Settled != 0) | pawn.Visible << 1 | pawn.Falling << 2 |
                                pawn.HolderPopped << 3);
}

uint64_t PawnHash(const Pawn& pawn) {
    const uint64_t kind = static_cast<uint64_t>(pawn.Template - PawnTemplates);
    const uint64_t flags = PawnFlagBits(pawn);
    const uint64_t frame = FrameMatters(pawn) ? static_cast<uint32_t>(pawn.Frame) : 0;
    const Transform& at0 = pawn.Placement;
    const Transform& to = pawn.Motion;
    uint64_t h = Mix(kind << 40 | flags << 32 | static_cast<uint32_t>(pawn.Type));
    h = Combine(h, Bits(at0.xoffset) << 32 | Bits(at0.yoffset));
    h = Combine(h, Bits(at0.zoffset) << 32 | frame);
    h = Combine(h, Bits(to.xoffset) << 32 | Bits(to.yoffset));
    return Combine(h, Bits(to.zoffset));
}

uint64_t PawnListHash(const PawnList& pawns) {
    uint64_t sum = pawns.size();
    for (const Pawn& pawn : pawns)
        sum += PawnHash(pawn);
    return sum;
}

uint64_t HashPositionFrom(const Position& position, uint64_t levelPawnsHash,
                          uint64_t savedPawnsHash) {
    return Combine(Combine(FlowHash(position), levelPawnsHash), savedPawnsHash);
}

uint64_t HashPosition(const Position& position) {
    return HashPositionFrom(position, PawnListHash(position.LevelPawns),
                            PawnListHash(*position.SavedPawns));
}
