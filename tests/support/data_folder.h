#pragma once
// A scratch working folder with a gamedata/ folder in it, entered for the
// life of the object, so that the game's loaders, which open their files by
// paths relative to the working folder (and only inside it), read what the
// test wrote. A link named "corpus" leads to the shared loader corpus.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

    // Writes gamedata/<name>, making the folders on its way; returns the
    // path relative to the working folder.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = "gamedata/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
        return Write(name, std::string(bytes.begin(), bytes.end()));
    }
    // The path of gamedata/<name>, relative to the working folder (nothing is made).
    std::string File(const std::string& name) const { return "gamedata/" + name; }
    const TempDir& Dir() const { return dir_; }

  private:
    TempDir dir_;
    std::filesystem::path previous_;
};
