#pragma once
// A scratch working folder with a gamedata/ folder in it, entered for the life
// of the object, so that the game's loaders, which read only inside the working
// folder, read what the test wrote. A link "corpus" leads to the loader corpus.

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

class DataFolder {
  public:
    DataFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::create_directory(dir_.File("gamedata"));
        std::error_code none;  // the shared corpus, where it is beside the repository
        std::filesystem::create_directory_symlink(KORVATH_CORPUS_DIR, dir_.File("corpus"), none);
        std::filesystem::current_path(dir_.Path());
    }
    ~DataFolder() { std::filesystem::current_path(previous_); }

    // Writes gamedata/<name> (text or bytes), making the folders on its way;
    // returns the path relative to the working folder.
    template <typename Bytes>
    std::string Write(const std::string& name, const Bytes& bytes) const {
        dir_.Write(File(name), bytes);
        return File(name);
    }
    // The path of gamedata/<name>, relative to the working folder (nothing is made).
    std::string File(const std::string& name) const { return "gamedata/" + name; }
    const TempDir& Dir() const { return dir_; }

  private:
    TempDir dir_;
    std::filesystem::path previous_;
};
