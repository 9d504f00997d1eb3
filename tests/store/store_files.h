#pragma once
// A scratch working directory with a gamedata/ folder, so that stores opened
// by file name ("levels.xml") read files written by the test. The previous
// working directory is restored and the folder removed afterwards.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class StoreFiles {
  public:
    StoreFiles() {
        previous_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "korvath_store_XXXXXX");
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
    StoreFiles(const StoreFiles&) = delete;
    StoreFiles& operator=(const StoreFiles&) = delete;

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / "gamedata" / name, std::ios::binary) << bytes;
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

// A store document: body inside the root section.
inline std::string RootDocument(const std::string& body) {
    return "<Section label=\"Root\">" + body + "</Section>";
}
