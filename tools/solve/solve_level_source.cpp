#include "solve_level_source.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "level_folder.h"
#include "levels_xml.h"
#include "text_lines.h"
#include "world/level_list.h"

namespace fs = std::filesystem;

namespace {

// Links every entry of the real data folder but the level store.
bool LinkDataFolder(const fs::path& scratch) {
    std::error_code code;
    fs::create_directories(scratch / "gamedata", code);
    for (const fs::directory_entry& entry : fs::directory_iterator("gamedata", code)) {
        const fs::path name = entry.path().filename();
        if (name != "levels.xml")
            fs::create_symlink(fs::absolute(entry.path()), scratch / "gamedata" / name, code);
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
    char pattern[] = "/tmp/korvath_solve_XXXXXX";
    if (!mkdtemp(pattern) || !LinkDataFolder(pattern)) {
        *error = "cannot make a scratch data folder";
        return false;
    }
    scratch_ = pattern;
    CompiledLevel compiled{
        1, level.name, level.hasName, OrderedPawns(level), level.picture, level.music};
    std::ofstream(scratch_ + "/gamedata/levels.xml") << LevelsXml({compiled});
    if (chdir(scratch_.c_str()) == 0)
        return true;
    *error = "cannot enter " + scratch_;
    return false;
}
