#include "search/position_store.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "game/level_changes.h"
#include "world/template_roles.h"

namespace {

constexpr uint8_t kWholeMark = 0xFF;  // no small form begins so (GameState is small)

// What an entry of a pawn carries, one bit each; an entry without any is a
// pawn that left the level.
enum PawnField : uint8_t {
    kFieldTemplate = 1,
    kFieldType = 2,
    kFieldFlags = 4,
    kFieldX = 8,
    kFieldY = 16,
    kFieldZ = 32,
    kFieldMotion = 64,
    kFieldFrame = 128,
};

void PutVarint(uint64_t value, std::vector<uint8_t>* out) {
    for (; value >= 0x80; value >>= 7)
        out->push_back(static_cast<uint8_t>(value | 0x80));
    out->push_back(static_cast<uint8_t>(value));
}

uint64_t GetVarint(const uint8_t** in) {
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t byte = *(*in)++;
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
    }
}

void PutSigned(int32_t value, std::vector<uint8_t>* out) {
    PutVarint((static_cast<uint32_t>(value) << 1) ^ static_cast<uint32_t>(value >> 31), out);
}

int32_t GetSigned(const uint8_t** in) {
    const uint32_t zigzag = static_cast<uint32_t>(GetVarint(in));
    return static_cast<int32_t>((zigzag >> 1) ^ (0u - (zigzag & 1)));
}

void PutFloat(float value, std::vector<uint8_t>* out) {
    uint8_t bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out->insert(out->end(), bytes, bytes + sizeof value);
}

float GetFloat(const uint8_t** in) {
    float value = 0.0f;
    std::memcpy(&value, *in, sizeof value);
    *in += sizeof value;
    return value;
}

void SetFlags(Pawn* pawn, uint8_t flags) {
    pawn->Settled = flags & 1;
    pawn->Visible = flags & 2;
    pawn->Falling = flags & 4;
    pawn->HolderPopped = flags & 8;
}

// The pawn's entry: the fields in which it differs from what it was at the start.
void EncodePawn(const Pawn& now, const Pawn& before, uint64_t ordinalStep,
                std::vector<uint8_t>* out) {
    uint8_t mask = 0;
    mask |= now.Template != before.Template ? kFieldTemplate : 0;
    mask |= now.Type != before.Type ? kFieldType : 0;
    mask |= PawnFlagBits(now) != PawnFlagBits(before) ? kFieldFlags : 0;
    mask |= now.Placement.xoffset != before.Placement.xoffset ? kFieldX : 0;
    mask |= now.Placement.yoffset != before.Placement.yoffset ? kFieldY : 0;
    mask |= now.Placement.zoffset != before.Placement.zoffset ? kFieldZ : 0;
    mask |= !SameOffsets(now.Motion, before.Motion) ? kFieldMotion : 0;
    mask |= LeavesAfterAnimation(*now.Template) && now.Frame != before.Frame ? kFieldFrame : 0;
    PutVarint(ordinalStep, out);
    out->push_back(mask);
    if (mask & kFieldTemplate)
        out->push_back(static_cast<uint8_t>(now.Template - PawnTemplates));
    if (mask & kFieldType)
        PutSigned(now.Type, out);
    if (mask & kFieldFlags)
        out->push_back(PawnFlagBits(now));
    if (mask & kFieldX)
        PutFloat(now.Placement.xoffset, out);
    if (mask & kFieldY)
        PutFloat(now.Placement.yoffset, out);
    if (mask & kFieldZ)
        PutFloat(now.Placement.zoffset, out);
    if (mask & kFieldMotion) {
        PutFloat(now.Motion.xoffset, out);
        PutFloat(now.Motion.yoffset, out);
        PutFloat(now.Motion.zoffset, out);
    }
    if (mask & kFieldFrame)
        PutSigned(now.Frame, out);
}

// Applies an entry's fields; true when the pawn changed kind.
bool DecodePawn(uint8_t mask, const uint8_t** in, Pawn* pawn) {
    if (mask & kFieldTemplate)
        pawn->Template = &PawnTemplates[*(*in)++];
    if (mask & kFieldType)
        pawn->Type = GetSigned(in);
    if (mask & kFieldFlags)
        SetFlags(pawn, *(*in)++);
    if (mask & kFieldX)
        pawn->Placement.xoffset = GetFloat(in);
    if (mask & kFieldY)
        pawn->Placement.yoffset = GetFloat(in);
    if (mask & kFieldZ)
        pawn->Placement.zoffset = GetFloat(in);
    if (mask & kFieldMotion) {
        pawn->Motion.xoffset = GetFloat(in);
        pawn->Motion.yoffset = GetFloat(in);
        pawn->Motion.zoffset = GetFloat(in);
    }
    if (mask & kFieldFrame)
        pawn->Frame = GetSigned(in);
    return mask & kFieldTemplate;
}

void PutFlow(const Position& p, int32_t copy, std::vector<uint8_t>* out) {
    PutSigned(p.GameState, out);
    PutSigned(p.LevelPhase, out);
    PutSigned(p.CurrentLevel, out);
    out->push_back(
        static_cast<uint8_t>(p.HeroDead | p.LevelFinished << 1 | p.HeroLookedAround << 2));
    PutSigned(p.InputCooldown, out);
    PutSigned(p.BombCount, out);
    PutVarint(static_cast<uint64_t>(copy), out);
}

int32_t GetFlow(const uint8_t** in, Position* p) {
    p->GameState = GetSigned(in);
    p->LevelPhase = GetSigned(in);
    p->CurrentLevel = GetSigned(in);
    const uint8_t flags = *(*in)++;
    p->HeroDead = flags & 1;
    p->LevelFinished = flags & 2;
    p->HeroLookedAround = flags & 4;
    p->InputCooldown = GetSigned(in);
    p->BombCount = GetSigned(in);
    return static_cast<int32_t>(GetVarint(in));
}

bool SettledIsABit(const Pawn& pawn) {
    return pawn.Settled == 0 || pawn.Settled == 1;
}

uint64_t PawnSum(const PawnList& pawns) {
    return PawnListHash(pawns) - pawns.size();
}

// A bomb's explosion is the one pawn the rules add to a level. It leaves the
// level after its animation, and nothing is at rest while one plays, unless
// its template makes it stay or lets a rule turn it into something else.
// Only then may a position at rest hold a pawn the start did not have.
bool ExplosionsLeaveNoTrace() {
    const PawnTemplate& t = PawnTemplates[kSlotExplosion];
    return IsExplosion(t) && LeavesAfterAnimation(t) && !t.Rolling;
}

// An entry's tag is also its place: the first free slot from the tag on.
void PutEntry(std::vector<uint64_t>* table, uint64_t entry) {
    const size_t mask = table->size() - 1;
    size_t slot = (entry >> 32) & mask;
    while ((*table)[slot] != 0)
        slot = (slot + 1) & mask;
    (*table)[slot] = entry;
}

}  // namespace

PositionStore::PositionStore(const Position& start)
    : start_(start),
      compact_(!start.IndexOutOfDate && ExplosionsLeaveNoTrace()),
      startPawnsSum_(PawnSum(start.LevelPawns)),
      table_(1024, 0) {
    for (size_t i = 0; i < start.LevelPawns.size(); ++i) {
        const PawnTemplate& t = *start.LevelPawns[i].Template;
        compact_ = compact_ && SettledIsABit(start.LevelPawns[i]);
        if (!RulesCanChange(t))
            continue;
        changeable_.push_back(static_cast<int32_t>(i));
        removable_.push_back(IsBombPickup(t) || LeavesAfterAnimation(t));
        startHashes_.push_back(PawnHash(start.LevelPawns[i]));
    }
}

// Walks the changeable pawns of the start beside the position's: a pawn a
// rule can remove and that differs from its start counts as removed while
// the position is short of pawns. Fixed pawns are never removed, so each
// start pawn's place in the position is its own less the pawns removed
// before it.
bool PositionStore::Encode(const Position& position, int32_t copy, ByteString* out,
                           uint64_t* levelHash) const {
    const PawnList& now = position.LevelPawns;
    const PawnList& before = start_.LevelPawns;
    if (!compact_ || position.IndexOutOfDate || now.size() > before.size())
        return false;
    PutFlow(position, copy, out);
    size_t removalsLeft = before.size() - now.size();
    size_t removed = 0;
    size_t last = 0;  // the entry before the first is at ordinal -1
    uint64_t sum = startPawnsSum_;
    for (size_t c = 0; c < changeable_.size(); ++c) {
        const size_t i = static_cast<size_t>(changeable_[c]);
        const size_t k = i - removed;
        const Pawn& was = before[i];
        const bool fits = k < now.size() && SamePawnForRules(now[k], was);
        if (removalsLeft > 0 && removable_[c] && !fits) {
            PutVarint(c + 1 - last, out);
            out->push_back(0);
            last = c + 1, ++removed, --removalsLeft;
            sum -= startHashes_[c];
            continue;
        }
        if (fits)
            continue;
        if (k >= now.size() || !SettledIsABit(now[k]))
            return false;
        EncodePawn(now[k], was, c + 1 - last, out);
        last = c + 1;
        sum += PawnHash(now[k]) - startHashes_[c];
    }
    PutVarint(0, out);
    *levelHash = now.size() + sum;
    return removalsLeft == 0;
}

// In place, only the pawns a rule can change are put back as they were at
// the start before the entries are applied; the others are the start's
// already.
void PositionStore::Decode(const uint8_t* in, Position* into, bool inPlace) const {
    if (inPlace) {
        for (int32_t at : changeable_)
            into->LevelPawns[static_cast<size_t>(at)] = start_.LevelPawns[static_cast<size_t>(at)];
    } else {
        into->LevelPawns = start_.LevelPawns;
    }
    into->ExplosionSoundIndex = start_.ExplosionSoundIndex;
    into->IndexOutOfDate = false;
    into->SavedPawns = copies_[static_cast<size_t>(GetFlow(&in, into))];
    std::vector<size_t> removed;
    bool kindsChanged = false;
    size_t last = 0;
    for (uint64_t step; (step = GetVarint(&in)) != 0;) {
        last += step;
        const size_t at = static_cast<size_t>(changeable_[last - 1]);
        const uint8_t mask = *in++;
        if (mask == 0)
            removed.push_back(at);
        else
            kindsChanged = DecodePawn(mask, &in, &into->LevelPawns[at]) || kindsChanged;
    }
    if (!kindsChanged && removed.empty()) {
        into->Index = start_.Index;
        return;
    }
    std::string kinds = KindsOf(*into, removed);
    for (auto at = removed.rbegin(); at != removed.rend(); ++at)
        into->LevelPawns.erase(into->LevelPawns.begin() + static_cast<ptrdiff_t>(*at));
    into->Index = IndexFor(kinds, into->LevelPawns);
}

// The kinds of the changeable pawns, a removed one as 0xFF: positions alike
// in these have the same index.
std::string PositionStore::KindsOf(const Position& position,
                                   const std::vector<size_t>& removed) const {
    std::string kinds(changeable_.size(), '\0');
    for (size_t c = 0, r = 0; c < changeable_.size(); ++c) {
        const size_t at = static_cast<size_t>(changeable_[c]);
        const bool gone = r < removed.size() && removed[r] == at;
        r += gone;
        kinds[c] =
            static_cast<char>(gone ? 0xFF : position.LevelPawns[at].Template - PawnTemplates);
    }
    return kinds;
}

std::shared_ptr<const LevelIndex> PositionStore::IndexFor(const std::string& kinds,
                                                          const PawnList& pawns) const {
    auto [at, fresh] = indices_.emplace(kinds, nullptr);
    if (fresh) {
        auto index = std::make_shared<LevelIndex>();
        BuildLevelIndex(pawns, index.get());
        at->second = std::move(index);
    }
    return at->second;
}

// Restart copies are few and mostly shared: the one looked up last is
// known by its address.
int32_t PositionStore::RestartCopyNumber(const std::shared_ptr<const PawnList>& pawns,
                                         bool* fresh) {
    *fresh = false;
    if (pawns.get() == lastCopy_)
        return lastCopyNumber_;
    const uint64_t hash = PawnListHash(*pawns);
    int32_t number = -1;
    for (auto [at, end] = copiesByHash_.equal_range(hash); at != end && number < 0; ++at)
        if (SamePawnsForRules(*copies_[static_cast<size_t>(at->second)], *pawns))
            number = at->second;
    if (number < 0) {
        number = static_cast<int32_t>(copies_.size());
        copies_.push_back(pawns);
        copyHashes_.push_back(hash);
        copiesByHash_.emplace(hash, number);
        *fresh = true;
    }
    lastCopy_ = copies_[static_cast<size_t>(number)].get() == pawns.get() ? pawns.get() : nullptr;
    lastCopyNumber_ = number;
    return number;
}

bool PositionStore::Equal(int32_t number, const ByteString& bytes, const Position& position) const {
    const size_t begin = offsets_[static_cast<size_t>(number)];
    const size_t end = static_cast<size_t>(number) + 1 < offsets_.size()
                           ? offsets_[static_cast<size_t>(number) + 1]
                           : arena_.size();
    const uint8_t* kept = arena_.data() + begin;
    if (kept[0] == kWholeMark || bytes[0] == kWholeMark) {
        if (kept[0] != bytes[0])
            return false;
        const uint8_t* in = kept + 1;
        return whole_[GetVarint(&in)] == position;
    }
    return end - begin == bytes.size() && std::memcmp(kept, bytes.data(), bytes.size()) == 0;
}

int32_t PositionStore::Find(uint32_t tag, const ByteString& bytes, const Position& position) const {
    const size_t mask = table_.size() - 1;
    for (size_t slot = tag & mask; table_[slot] != 0; slot = (slot + 1) & mask) {
        if (static_cast<uint32_t>(table_[slot] >> 32) != tag)
            continue;
        const int32_t number = static_cast<int32_t>((table_[slot] & 0xFFFFFFFFu) - 1);
        if (Equal(number, bytes, position))
            return number;
    }
    return -1;
}

// The table is kept at most half full, doubling as it grows.
void PositionStore::Remember(uint32_t tag, int32_t number) {
    if (2 * (used_ + 1) > table_.size()) {
        std::vector<uint64_t> old(table_.size() * 2, 0);
        old.swap(table_);
        for (uint64_t entry : old)
            if (entry != 0)
                PutEntry(&table_, entry);
    }
    PutEntry(&table_, static_cast<uint64_t>(tag) << 32 | (static_cast<uint64_t>(number) + 1));
    ++used_;
}

PositionStore::Added PositionStore::Insert(const Position& position) {
    Added added{-1, false, false};
    const int32_t copy = RestartCopyNumber(position.SavedPawns, &added.freshRestartCopy);
    uint64_t levelHash = 0;
    scratch_.clear();
    if (!Encode(position, copy, &scratch_, &levelHash)) {
        scratch_.assign(1, kWholeMark);
        PutVarint(whole_.size(), &scratch_);
        levelHash = PawnListHash(position.LevelPawns);
    }
    const uint64_t hash =
        HashPositionFrom(position, levelHash, copyHashes_[static_cast<size_t>(copy)]);
    const uint32_t tag = static_cast<uint32_t>(hash >> 32);
    added.number = Find(tag, scratch_, position);
    if (added.number >= 0)
        return added;
    if (scratch_[0] == kWholeMark) {
        whole_.push_back(position);
        wholeBytes_ += sizeof position + position.LevelPawns.capacity() * sizeof(Pawn);
    }
    added.number = static_cast<int32_t>(offsets_.size());
    added.fresh = true;
    offsets_.push_back(arena_.size());
    arena_.insert(arena_.end(), scratch_.begin(), scratch_.end());
    Remember(tag, added.number);
    return added;
}

Position PositionStore::At(int32_t number) const {
    Position position;
    Restore(number, &position, false);
    return position;
}

void PositionStore::Restore(int32_t number, Position* into, bool intoHasEveryPawn) const {
    const uint8_t* in = arena_.data() + offsets_[static_cast<size_t>(number)];
    if (in[0] == kWholeMark) {
        ++in;
        *into = whole_[GetVarint(&in)];
        return;
    }
    const bool inPlace = intoHasEveryPawn && into->LevelPawns.size() == start_.LevelPawns.size();
    Decode(in, into, inPlace);
}

bool PositionStore::HasEveryPawn(const Position& position) const {
    return compact_ && position.LevelPawns.size() == start_.LevelPawns.size();
}

size_t PositionStore::Bytes() const {
    size_t bytes = arena_.capacity() + offsets_.capacity() * sizeof(uint64_t) +
                   table_.capacity() * sizeof(uint64_t) + wholeBytes_;
    for (const auto& copy : copies_)
        bytes += copy->capacity() * sizeof(Pawn) + 64;
    for (const auto& index : indices_)
        bytes += index.first.size() + sizeof(LevelIndex) + 64;
    return bytes;
}
