#pragma once
// A scratch directory under /tmp for files a test writes, removed afterwards.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/korvath_render_XXXXXX";
        if (mkdtemp(pattern))
            path_ = pattern;
    }
    ~TempDir() {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }

    const std::string& Path() const { return path_; }

    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
        std::string full = path_ + "/" + name;
        std::ofstream(full, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return full;
    }

    std::string Copy(const std::string& from, const std::string& name) const {
        std::string full = path_ + "/" + name;
        std::filesystem::copy_file(from, full);
        return full;
    }

  private:
    std::string path_;
};
