#pragma once
// The positions a search has found, numbered in the order found, each kept
// once (equal positions in the sense of game/position.h are one) and kept
// small: as what sets it apart from the position the search began with. That
// is its flow values, which restart copy it has (each distinct copy is kept
// whole, once), which pawns have left the level, and for each pawn that
// differs the values the rules read. Pawns no rule can change
// (world/template_roles.h) are never looked at. A position the small form
// cannot hold exactly (a pawn added to the level, an index out of date) is
// kept whole.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/position.h"

class PositionStore {
  public:
    explicit PositionStore(const Position& start);

    struct Added {
        int32_t number;         // the position's number
        bool fresh;             // it was not kept before
        bool freshRestartCopy;  // its restart copy was not kept before
    };
    Added Insert(const Position& position);

    // A kept position, equal to the one inserted; what is only seen or heard
    // (angles, opacity, looping frames, the explosion voice) is the start's.
    Position At(int32_t number) const;
    // The same, written over `into`. When `into` has every pawn of the start
    // in its place (HasEveryPawn), only the pawns a rule can change are written.
    void Restore(int32_t number, Position* into, bool intoHasEveryPawn) const;

    // A position at rest that play made from the start or from a kept position
    // has every pawn of the start in its place: none was removed.
    bool HasEveryPawn(const Position& position) const;

    size_t Size() const { return offsets_.size(); }
    // The memory the store holds, in bytes.
    size_t Bytes() const;

  private:
    using ByteString = std::vector<uint8_t>;

    bool Encode(const Position& position, int32_t copy, ByteString* out, uint64_t* levelHash) const;
    void Decode(const uint8_t* bytes, Position* into, bool inPlace) const;
    std::string KindsOf(const Position& position, const std::vector<size_t>& removed) const;
    std::shared_ptr<const LevelIndex> IndexFor(const std::string& kinds,
                                               const PawnList& pawns) const;
    int32_t RestartCopyNumber(const std::shared_ptr<const PawnList>& pawns, bool* fresh);
    int32_t Find(uint32_t tag, const ByteString& bytes, const Position& position) const;
    bool Equal(int32_t number, const ByteString& bytes, const Position& position) const;
    void Remember(uint32_t tag, int32_t number);

    Position start_;
    bool compact_;                       // the start's index is up to date: positions can be small
    uint64_t startPawnsSum_;             // the sum of the start's pawn hashes
    std::vector<int32_t> changeable_;    // start pawns a rule can change, in list order
    std::vector<uint8_t> removable_;     // of those, the ones a rule can take out of the level
    std::vector<uint64_t> startHashes_;  // of those, their hashes at the start
    // Indices of positions whose pawns differ from the start's in kind or
    // number, by the kinds of the changeable pawns (a removed one as 0xFF).
    mutable std::unordered_map<std::string, std::shared_ptr<const LevelIndex>> indices_;

    std::vector<uint8_t> arena_;     // every position's bytes, one after another
    std::vector<uint64_t> offsets_;  // where each position's bytes begin
    std::vector<Position> whole_;    // positions kept whole
    size_t wholeBytes_ = 0;
    std::vector<uint64_t> table_;  // hash tag << 32 | number + 1; 0 is free
    size_t used_ = 0;

    std::vector<std::shared_ptr<const PawnList>> copies_;
    std::vector<uint64_t> copyHashes_;
    std::unordered_multimap<uint64_t, int32_t> copiesByHash_;
    const PawnList* lastCopy_ = nullptr;  // the copy looked up last, and its number
    int32_t lastCopyNumber_ = -1;
    ByteString scratch_;
};
