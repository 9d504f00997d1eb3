#include "store/saved_progress.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/sys_path.h"
#include "platform/sys_replace_file.h"

namespace {

constexpr std::string_view kHeader = "korvath progress 1";
constexpr int kMaxLevel = 9999;
constexpr int kMaxPresses = 10000000;
// Room for a best line for every level ("best 9999 10000000\n" is 19 bytes),
// so that every file the game writes reads back.
constexpr size_t kMaxProgressBytes = 256u << 10;

bool LevelInBounds(int level) {
    return level >= 1 && level <= kMaxLevel;
}

bool PressesInBounds(int presses) {
    return presses >= 1 && presses <= kMaxPresses;
}

// Digits only, without sign or leading zero, from 1 to max. Eight digits at
// most, so the number cannot overflow.
bool ParseCount(std::string_view text, int max, int* value) {
    if (text.empty() || text.size() > 8 || text[0] == '0')
        return false;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    *value = number;
    return number <= max;
}

bool StripPrefix(std::string_view* line, std::string_view prefix) {
    if (line->substr(0, prefix.size()) != prefix)
        return false;
    line->remove_prefix(prefix.size());
    return true;
}

bool ParseReached(std::string_view line, SavedProgress* progress) {
    return StripPrefix(&line, "reached ") && ParseCount(line, kMaxLevel, &progress->highestLevel);
}

// A best line for a level that has none yet.
bool ParseBest(std::string_view line, SavedProgress* progress) {
    int level = 0, presses = 0;
    if (!StripPrefix(&line, "best "))
        return false;
    const size_t space = line.find(' ');
    return space != std::string_view::npos &&
           ParseCount(line.substr(0, space), kMaxLevel, &level) &&
           ParseCount(line.substr(space + 1), kMaxPresses, &presses) &&
           progress->fewestPresses.emplace(level, presses).second;
}

// The lines of text without their '\n'; the last may lack one.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

bool Damaged(size_t line, std::string* why) {
    *why = "line " + std::to_string(line) + " is damaged";
    return false;
}

// The whole file or nothing: one bad line rejects it.
bool ParseProgress(std::string_view text, SavedProgress* progress, std::string* why) {
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.empty() || lines[0] != kHeader) {
        *why = text.empty() ? "is empty" : "its first line is not \"korvath progress 1\"";
        return false;
    }
    if (lines.size() < 2 || !ParseReached(lines[1], progress))
        return Damaged(2, why);
    for (size_t i = 2; i < lines.size(); ++i)
        if (!ParseBest(lines[i], progress))
            return Damaged(i + 1, why);
    return true;
}

// Numbers the file cannot hold are left out, so that what is written reads back.
std::string FormatProgress(const SavedProgress& progress) {
    std::string text = std::string(kHeader) + "\nreached " +
                       std::to_string(std::clamp(progress.highestLevel, 1, kMaxLevel)) + "\n";
    for (const auto& [level, presses] : progress.fewestPresses)
        if (LevelInBounds(level) && PressesInBounds(presses))
            text += "best " + std::to_string(level) + " " + std::to_string(presses) + "\n";
    return text;
}

std::string ProgressPath(const std::string& folder) {
    return (std::filesystem::path(folder) / kProgressFileName).string();
}

void Report(const std::string& path, const std::string& why, const char* outcome) {
    std::fprintf(stderr, "korvath: %s: %s; %s\n", path.c_str(), why.c_str(), outcome);
}

}  // namespace

void SavedProgress::LevelReached(int level) {
    if (LevelInBounds(level))
        highestLevel = std::max(highestLevel, level);
}

bool SavedProgress::LevelFinished(int level, int presses) {
    if (!LevelInBounds(level) || !PressesInBounds(presses))
        return false;
    const auto [entry, first] = fewestPresses.emplace(level, presses);
    if (!first && presses >= entry->second)
        return false;
    entry->second = presses;
    return true;
}

bool SavedProgress::operator==(const SavedProgress& other) const {
    return highestLevel == other.highestLevel && fewestPresses == other.fewestPresses;
}

SavedProgress LoadProgress(const std::string& folder) {
    if (folder.empty())
        return SavedProgress();
    const std::string path = ProgressPath(folder);
    std::vector<char> bytes;
    std::string why;
    SavedProgress progress;
    if (Sys_ReadHostFile(path, kMaxProgressBytes, &bytes, &why) &&
        ParseProgress(std::string_view(bytes.data(), bytes.size()), &progress, &why))
        return progress;
    if (why != "not found")
        Report(path, why, "progress starts afresh");
    return SavedProgress();
}

bool SaveProgress(const std::string& folder, const SavedProgress& progress) {
    const std::string path = folder.empty() ? kProgressFileName : ProgressPath(folder);
    std::string why = "there is no folder for the user's data";
    if (!folder.empty() && Sys_ReplaceFile(path, FormatProgress(progress), &why))
        return true;
    Report(path, why, "progress is not saved");
    return false;
}
