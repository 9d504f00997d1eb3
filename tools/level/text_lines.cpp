#include "text_lines.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(const std::string& word, size_t at) {
    while (at < word.size() && IsDigit(word[at]))
        ++at;
    return at;
}

// The whole word is sign, digits, optional fraction and optional exponent.
bool IsDecimal(const std::string& word) {
    size_t at = word[0] == '-' || word[0] == '+' ? 1 : 0;
    size_t digits = SkipDigits(word, at);
    bool whole = digits > at;
    at = digits;
    if (at < word.size() && word[at] == '.') {
        digits = SkipDigits(word, at + 1);
        whole = whole || digits > at + 1;
        at = digits;
    }
    if (whole && at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
        size_t exponent =
            at + 1 + (at + 1 < word.size() && (word[at + 1] == '-' || word[at + 1] == '+'));
        at = SkipDigits(word, exponent);
        whole = at > exponent;
    }
    return whole && at == word.size();
}

// Reads one line's worth of the file into line; false at the end of the file.
bool ReadLine(FILE* file, std::string* line, bool* tooLong) {
    line->clear();
    *tooLong = false;
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n') {
        if (line->size() >= kMaxLineLength) {
            *tooLong = true;
            return true;
        }
        line->push_back(static_cast<char>(c));
    }
    return c != EOF || !line->empty();
}

}  // namespace

std::string Diagnostic::Text() const {
    return file + ":" + std::to_string(pos.line) + ":" + std::to_string(pos.column) + ": " +
           message;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<Word> SplitWords(const std::string& line) {
    std::vector<Word> words;
    size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos)
            break;
        size_t end = line.find_first_of(" \t", at);
        if (end == std::string::npos)
            end = line.size();
        words.push_back({line.substr(at, end - at), static_cast<int>(at) + 1});
        at = end;
    }
    return words;
}

bool CheckBytes(const std::string& line, bool allowHigh, std::string* reason, int* column) {
    for (size_t i = 0; i < line.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        bool control = (c < 0x20 && c != '\t') || c == 0x7F;
        if (!control && (c < 0x7F || allowHigh))
            continue;
        char text[64];
        std::snprintf(text, sizeof text, "unexpected byte 0x%02X (%s)", c,
                      control ? "a control character" : "not ASCII");
        *reason = text;
        *column = static_cast<int>(i) + 1;
        return false;
    }
    return true;
}

bool ParseInteger(const std::string& word, long low, long high, long* value) {
    size_t start = word.size() > 1 && word[0] == '-' ? 1 : 0;
    if (word.empty() || word.size() > 12 || SkipDigits(word, start) != word.size() ||
        start == word.size())
        return false;
    *value = std::strtol(word.c_str(), nullptr, 10);
    return *value >= low && *value <= high;
}

bool ParseFloat(const std::string& word, float* value) {
    if (word.empty() || word.size() > 64 || !IsDecimal(word))
        return false;
    double number = std::strtod(word.c_str(), nullptr);
    if (!std::isfinite(number) || std::fabs(number) > FLT_MAX)
        return false;
    *value = static_cast<float>(number);
    return true;
}

std::string FormatFloat(float value) {
    if (value == 0.0f)
        return "0";
    char text[32];
    if (std::fabs(value) < 1e9f && value == std::round(value)) {
        std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
        return text;
    }
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

bool ReadTextFile(const std::string& path, std::string* text, Diagnostic* error) {
    error->file = path;
    error->pos = {1, 1};
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        error->message =
            std::filesystem::exists(path, code) ? "is not a regular file" : "not found";
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error->message = "cannot be opened";
        return false;
    }
    std::string line;
    bool tooLong = false;
    int number = 0;
    text->clear();
    while (ReadLine(file, &line, &tooLong)) {
        ++number;
        if (tooLong || text->size() + line.size() > kMaxFileBytes) {
            error->pos = {number, static_cast<int>(tooLong ? kMaxLineLength + 1 : 1)};
            error->message =
                tooLong ? "line is longer than " + std::to_string(kMaxLineLength) + " characters"
                        : "file is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
            std::fclose(file);
            return false;
        }
        text->append(line).push_back('\n');
    }
    std::fclose(file);
    return true;
}
