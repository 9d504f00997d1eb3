#include "level_folder.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string FolderOf(const std::string& path) {
    std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool Fail(Diagnostic* error, const std::string& file, SourcePos pos, const std::string& text) {
    *error = Diagnostic{file, pos, text};
    return false;
}

// Numbers from 1 up without a gap or a repeat, and sorted by them.
bool CheckNumbers(std::vector<LevelText>* levels, Diagnostic* error) {
    for (const LevelText& level : *levels)
        if (level.number == 0)
            return Fail(error, level.file, {1, 1}, "no 'level N' line");
    std::stable_sort(levels->begin(), levels->end(),
                     [](const LevelText& a, const LevelText& b) { return a.number < b.number; });
    for (size_t i = 0; i < levels->size(); ++i) {
        const LevelText& level = (*levels)[i];
        if (i > 0 && level.number == (*levels)[i - 1].number)
            return Fail(
                error, level.file, level.numberPos,
                "level " + std::to_string(level.number) + " is also " + (*levels)[i - 1].file);
        if (level.number != static_cast<int>(i) + 1)
            return Fail(error, level.file, level.numberPos,
                        "level " + std::to_string(level.number) + " leaves a gap: level " +
                            std::to_string(i + 1) + " is missing and the game stops there");
    }
    return true;
}

}  // namespace

bool ReadDefaultLegend(const std::string& folder, Legend* legend, Diagnostic* error) {
    std::string path = folder + "/" + kLegendFileName;
    std::error_code code;
    if (!fs::exists(path, code))
        return true;
    std::string text;
    return ReadTextFile(path, &text, error) && ParseLegend(text, path, legend, error);
}

bool ReadLevelFile(const std::string& path, LevelText* level, Diagnostic* error,
                   const ParseOptions& options) {
    std::string text;
    return ReadDefaultLegend(FolderOf(path), &level->legend, error) &&
           ReadTextFile(path, &text, error) && ParseLevel(text, path, level, error, options);
}

bool ReadLevelFolder(const std::string& folder, std::vector<LevelText>* levels, Diagnostic* error) {
    std::error_code code;
    if (!fs::is_directory(folder, code))
        return Fail(error, folder, {1, 1}, "is not a folder");
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, code))
        if (entry.path().extension() == ".txt" && entry.path().filename() != kLegendFileName)
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    if (files.empty())
        return Fail(error, folder, {1, 1}, "holds no level files (*.txt)");
    std::vector<LevelText> read(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        if (!ReadLevelFile(files[i], &read[i], error))
            return false;
    levels->insert(levels->end(), read.begin(), read.end());
    return true;
}

bool ReadLevelArguments(const std::vector<std::string>& paths, bool wholeGame,
                        std::vector<LevelText>* levels, Diagnostic* error) {
    for (const std::string& path : paths) {
        std::error_code code;
        if (fs::is_directory(path, code)) {
            if (!ReadLevelFolder(path, levels, error))
                return false;
            continue;
        }
        levels->emplace_back();
        if (!ReadLevelFile(path, &levels->back(), error))
            return false;
    }
    if (wholeGame)
        return CheckNumbers(levels, error);
    std::stable_sort(levels->begin(), levels->end(),
                     [](const LevelText& a, const LevelText& b) { return a.number < b.number; });
    return true;
}
