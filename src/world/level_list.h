#pragma once
// The levels of "levels.xml" as the game plays them: Level1, Level2, ... in
// number order, up to the first number without a first pawn, each with its
// name, loading picture and stage music. A level may name its own picture and
// music ("Picture", "Music": file names inside the data folder); without them
// level N shows "loading<N>.jpg" and plays "sound\stage<N>.wav".

#include <string>
#include <vector>

// More levels than this are not looked for.
constexpr int kMaxLevels = 999;

struct LevelEntry {
    int number = 0;
    std::string name;     // as the level store has it; may be empty
    std::string picture;  // data paths ("./gamedata\loading1.jpg")
    std::string music;
};

// The levels in play order; empty when the store holds none.
std::vector<LevelEntry> ReadLevelList();

// The data paths a level without its own picture or music uses.
std::string DefaultLevelPicture(int level);
std::string DefaultLevelMusic(int level);
// A file name inside the data folder as a data path: "sound/x.wav" and
// "sound\x.wav" both become "./gamedata\sound\x.wav".
std::string DataFolderPath(const std::string& name);
