#include "world/level_list.h"

#include <algorithm>
#include <cstdio>

#include "core/sound_names.h"
#include "store/xmlcontext.h"

namespace {

// A picture or music name longer than this is cut, as every store read is.
constexpr size_t kNameCapacity = 256;

std::string ReadKey(XmlContext& store, const char* section, const char* key) {
    char text[kNameCapacity];
    return store.GetString(section, key, text, sizeof text) ? text : "";
}

bool LevelExists(XmlContext& store, int level) {
    char section[32];
    std::snprintf(section, sizeof section, "Level%d\\Pawn1", level);
    int32_t slot = 0;
    return store.GetInt(section, "PawnTemplate", &slot);
}

LevelEntry ReadEntry(XmlContext& store, int level) {
    char section[32];
    std::snprintf(section, sizeof section, "Level%d", level);
    LevelEntry entry;
    entry.number = level;
    entry.name = ReadKey(store, section, "Name");
    const std::string picture = ReadKey(store, section, "Picture");
    const std::string music = ReadKey(store, section, "Music");
    entry.picture = picture.empty() ? DefaultLevelPicture(level) : DataFolderPath(picture);
    entry.music = music.empty() ? DefaultLevelMusic(level) : DataFolderPath(music);
    return entry;
}

}  // namespace

std::vector<LevelEntry> ReadLevelList() {
    XmlContext store("levels.xml");
    std::vector<LevelEntry> levels;
    for (int level = 1; level <= kMaxLevels && LevelExists(store, level); ++level)
        levels.push_back(ReadEntry(store, level));
    return levels;
}

std::string DefaultLevelPicture(int level) {
    return "./gamedata\\loading" + std::to_string(level) + ".jpg";
}

std::string DefaultLevelMusic(int level) {
    char path[128];
    std::snprintf(path, sizeof path, kStageMusicFormat, level);
    return path;
}

std::string DataFolderPath(const std::string& name) {
    std::string inside = name;
    std::replace(inside.begin(), inside.end(), '/', '\\');
    return "./gamedata\\" + inside;
}
