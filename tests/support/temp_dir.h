#pragma once
// A fresh, uniquely named folder under the system's temporary folder for the
// files one test writes, removed with everything in it when the object goes.

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

inline long ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return getpid();
#endif
}

inline std::string MakeTempFolder(const std::string& prefix) {
    std::random_device seed;
    const auto temporary = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto folder = temporary / (prefix + "_" + std::to_string(seed()));
        if (std::filesystem::create_directory(folder))
            return folder.string();
    }
    throw std::runtime_error("cannot make a temporary folder");
}

class TempDir {
  public:
    explicit TempDir(const std::string& prefix = "korvath") : path_(MakeTempFolder(prefix)) {}
    // Only the process that made the folder removes it: a child forked by a
    // death test that exits must not take it from the test still running.
    ~TempDir() {
        std::error_code ignored;
        if (ProcessId() == owner_)
            std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a file or folder inside (nothing is made).
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    // Writes the file (making the folders on its way) and returns its path.
    std::string Write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
        return Write(name, std::string(bytes.begin(), bytes.end()));
    }
    std::string Copy(const std::string& from, const std::string& name) const {
        std::filesystem::copy(from, File(name), std::filesystem::copy_options::recursive);
        return File(name);
    }

  private:
    std::string path_;
    long owner_ = ProcessId();
};
