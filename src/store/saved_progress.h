#pragma once
// The player's progress, kept in the user's data folder between games: the
// highest level reached and, for each finished level, the fewest key presses
// that finished it. The file is text:
//
//   korvath progress 1
//   reached 7
//   best 3 42
//
// Levels are 1 to 9999 and presses 1 to 10,000,000; each level has at most
// one best line.

#include <map>
#include <string>

struct SavedProgress {
    int highestLevel = 1;
    std::map<int, int> fewestPresses;  // finished level -> the fewest presses used

    // Raises highestLevel to level; a level out of bounds is ignored.
    void LevelReached(int level);
    // Records a finish; true when it is the level's first or a new fewest.
    // Numbers out of bounds are not recorded (the file could not hold them).
    bool LevelFinished(int level, int presses);

    bool operator==(const SavedProgress& other) const;
    bool operator!=(const SavedProgress& other) const { return !(*this == other); }
};

constexpr char kProgressFileName[] = "progress.txt";

// Reads folder/progress.txt. A missing file or an empty folder name gives the
// fresh progress silently; a file that is damaged, too large, not a regular
// file or unreadable gives it too, with one line on standard error naming the
// file and what is wrong with it.
SavedProgress LoadProgress(const std::string& folder);

// Replaces folder/progress.txt whole, making the folder when needed (see
// Sys_ReplaceFile). False, with one line on standard error, when it cannot be
// written (or the folder name is empty); the old file is then as it was.
bool SaveProgress(const std::string& folder, const SavedProgress& progress);
