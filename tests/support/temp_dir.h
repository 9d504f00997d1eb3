#pragma once
// A fresh folder of its own under /tmp for the files one test writes, removed
// with everything in it when the test is done. Every folder is unique, so
// test programs running side by side never share one.

#include <stdlib.h>

#include <filesystem>
#include <string>

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/korvath_test_XXXXXX";
        if (!mkdtemp(pattern))
            abort();
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a file (or folder) inside; nothing is created.
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};
