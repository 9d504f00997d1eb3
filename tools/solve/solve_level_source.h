#pragma once
// The level the solver plays: a level of the data folder's levels.xml by its
// number, or a level file, compiled into a scratch copy of the data folder
// whose other files are the real ones (so the game's own loaders read it).

#include <string>

class LevelSource {
  public:
    LevelSource() = default;
    ~LevelSource();
    LevelSource(const LevelSource&) = delete;
    LevelSource& operator=(const LevelSource&) = delete;

    // With the data folder's root as the current folder and the templates
    // loaded: makes `level` ready to play and gives its number.
    bool Prepare(const std::string& level, int* number, std::string* error);

  private:
    bool CompileFile(const std::string& path, std::string* error);
    std::string scratch_;  // the scratch root, when a level file is solved
};
