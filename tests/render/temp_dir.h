#pragma once
// A scratch directory under /tmp for the files a test writes, removed after.

#include <stdlib.h>

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
        std::ofstream(path_ + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path_ + "/" + name;
    }
    std::string Copy(const std::string& from, const std::string& name) const {
        std::filesystem::copy_file(from, path_ + "/" + name);
        return path_ + "/" + name;
    }

  private:
    std::string path_;
};
