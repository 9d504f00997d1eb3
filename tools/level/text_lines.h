#pragma once
// Lines and words of the level tool's text files, and the strict number
// syntax its files use: the first bad byte or number is reported with its
// line and column.

#include <cstdint>
#include <string>
#include <vector>

#include "level_text.h"

constexpr size_t kMaxLineLength = 4096;
constexpr size_t kMaxFileBytes = 4u << 20;

struct Word {
    std::string text;
    int column = 0;
};

// The lines of text, without their line feeds and a carriage return before one.
std::vector<std::string> SplitLines(const std::string& text);

// The blank-separated words of a line, each with its column.
std::vector<Word> SplitWords(const std::string& line);

// False with the reason and column of the first byte that has no place in a
// text line: control bytes, and any byte above 0x7E unless allowHigh.
bool CheckBytes(const std::string& line, bool allowHigh, std::string* reason, int* column);

// A whole decimal integer within [low, high].
bool ParseInteger(const std::string& word, long low, long high, long* value);

// A whole decimal number (sign, digits, optional fraction and exponent) that
// is finite as a 32-bit float.
bool ParseFloat(const std::string& word, float* value);

// The shortest decimal text that reads back as the same float ("-0" is "0").
std::string FormatFloat(float value);
