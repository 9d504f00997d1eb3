#pragma once
// The replay's trace: one JSON object a line, in time order. Numbers are
// written so that they read back as the same 32-bit floats.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/position.h"
#include "search/hint_search.h"

class TraceWriter {
  public:
    // path "-" writes to standard output; false when the file cannot be made.
    bool Open(const std::string& path);
    void Close();

    // What a gameplay tick left of the game: the level and phase, the hero,
    // the bombs, a death, a finished level and the cooldown.
    void Tick(uint32_t t, const Position& position);
    void Phase(uint32_t t, int level, int phase);
    void Sound(uint32_t t, int slot, const char* op, const char* file, bool withFile, bool ok);
    void Message(uint32_t t, const std::string& caption, const std::string& text);
    void Quit(uint32_t t, int code);
    void Pawns(uint32_t t, const Position& position);
    // A hint shown: the key it suggests and the presses left, or that none
    // reaches the exit, or that the search gave up; with the line the player reads.
    void HintShown(uint32_t t, const Hint& hint);
    // A dead end told: the game rests where the exit can no longer be reached.
    void DeadEnd(uint32_t t);
    // The bytes the program holds on its heap, at a named moment.
    void Memory(uint32_t t, const char* at, size_t bytes);

  private:
    FILE* out_ = nullptr;
    bool ownsFile_ = false;
};

// Helpers, shared with the tests.
std::string JsonNumber(float value);
std::string JsonString(const std::string& text);
const char* PhaseName(int phase);
