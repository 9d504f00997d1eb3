#include "solve_level_source.h"

#ifndef _WIN32
#include <stdlib.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>

#include "level_folder.h"
#include "levels_xml.h"
#include "platform/sys_process.h"
#include "text_lines.h"
#include "world/level_list.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// A new folder of its own in the temporary folder; empty when none can be made.
std::string MakeScratchFolder() {
    std::random_device seed;
    std::error_code code;
    const fs::path temporary = fs::temp_directory_path(code);
    for (int attempt = 0; !code && attempt < 100; ++attempt) {
        const fs::path folder = temporary / ("korvath_solve_" + std::to_string(seed()));
        if (fs::create_directory(folder, code))
            return folder.string();
    }
    return "";
}

// Windows lets only privileged users make symbolic links: the entry is copied.
void LinkEntry(const fs::path& from, const fs::path& to, std::error_code& code) {
    fs::copy(from, to, fs::copy_options::recursive, code);
}
#else
std::string MakeScratchFolder() {
    char pattern[] = "/tmp/korvath_solve_XXXXXX";
    return mkdtemp(pattern) ? pattern : "";
}

void LinkEntry(const fs::path& from, const fs::path& to, std::error_code& code) {
    fs::create_symlink(fs::absolute(from), to, code);
}
#endif

// Links every entry of the real data folder but the level store.
bool LinkDataFolder(const fs::path& scratch) {
    std::error_code code;
    fs::create_directories(scratch / "gamedata", code);
    for (const fs::directory_entry& entry : fs::directory_iterator("gamedata", code)) {
        const fs::path name = entry.path().filename();
        if (name != "levels.xml")
            LinkEntry(entry.path(), scratch / "gamedata" / name, code);
    }
    return !code;
}

}  // namespace

LevelSource::~LevelSource() {
    if (scratch_.empty())
        return;
    std::error_code code;
    fs::remove_all(scratch_, code);
}

bool LevelSource::Prepare(const std::string& level, int* number, std::string* error) {
    long value = 0;
    if (ParseInteger(level, 1, kMaxLevels, &value)) {
        *number = static_cast<int>(value);
        const size_t count = ReadLevelList().size();
        if (static_cast<size_t>(value) <= count)
            return true;
        *error = "the game plays levels 1 to " + std::to_string(count) +
                 "; solve a level file to try another";
        return false;
    }
    *number = 1;
    return CompileFile(level, error);
}

// The file's level becomes Level1 of a scratch data folder, entered at once.
bool LevelSource::CompileFile(const std::string& path, std::string* error) {
    LevelText level;
    Diagnostic problem;
    if (!ReadLevelFile(path, &level, &problem)) {
        *error = problem.Text();
        return false;
    }
    const std::string scratch = MakeScratchFolder();
    if (scratch.empty() || !LinkDataFolder(scratch)) {
        *error = "cannot make a scratch data folder";
        return false;
    }
    scratch_ = scratch;
    CompiledLevel compiled{
        1, level.name, level.hasName, OrderedPawns(level), level.picture, level.music};
    std::ofstream(scratch_ + "/gamedata/levels.xml") << LevelsXml({compiled});
    if (Sys_EnterFolder(scratch_))
        return true;
    *error = "cannot enter " + scratch_;
    return false;
}
