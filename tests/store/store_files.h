#pragma once
// A scratch working directory with a gamedata/ folder, so that stores opened by
// file name read files written by the test. Restores the working directory.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class StoreFiles {
  public:
    StoreFiles() : previous_(std::filesystem::current_path()) {
        std::string pattern = std::filesystem::temp_directory_path() / "korvath_store_XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder_ = pattern;
        std::filesystem::create_directory(folder_ / "gamedata");
        std::filesystem::current_path(folder_);
    }
    ~StoreFiles() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / "gamedata" / name, std::ios::binary) << bytes;
    }

  private:
    std::filesystem::path previous_, folder_;
};

inline std::string RootDocument(const std::string& body) {
    return "<Section label=\"Root\">" + body + "</Section>";
}
