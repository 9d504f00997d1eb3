// The saved progress: new bests, the file read back, damaged and unwritable files.

#include "store/saved_progress.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Make = std::function<void(const std::string& path)>;

// What loading from folder says on standard error; it must give the fresh progress.
std::string LoadedFreshSaying(const std::string& folder) {
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadProgress(folder) == SavedProgress()) << folder;
    return testing::internal::GetCapturedStderr();
}

// A file of text, or of size bytes (a sparse file, made at once).
Make Text(const std::string& text, uintmax_t size = 0) {
    return [text, size](const std::string& path) {
        std::ofstream(path, std::ios::binary) << text;
        fs::resize_file(path, std::max<uintmax_t>(size, text.size()));
    };
}

// Every file and folder under folder, with the files' content.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] =
            entry.is_regular_file() ? ReadFile(entry.path().string()) : "";
    return files;
}

// What a save that must fail says on standard error. Files cannot grow past
// 1 KiB meanwhile, as on a full disk (EFBIG, with SIGXFSZ ignored); Windows
// has no such limit, and its saves fail only for the folder they are given.
std::string FailedSaveSaying(const std::string& folder, const SavedProgress& progress) {
#ifndef _WIN32
    rlimit old, lower;
    getrlimit(RLIMIT_FSIZE, &old);
    lower = {std::min<rlim_t>(1024, old.rlim_max), old.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &lower);
#endif
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveProgress(folder, progress)) << folder;
    const std::string said = testing::internal::GetCapturedStderr();
#ifndef _WIN32
    setrlimit(RLIMIT_FSIZE, &old);
#endif
    return said;
}

TEST(SavedProgressTest, KeepsTheFewestPressesAndReadsThemBack) {
    SavedProgress progress;
    const std::tuple<int, int, bool> finishes[] = {
        {3, 50, true},     {3, 50, false},         {3, 60, false},
        {3, 40, true},     {9999, 10000000, true}, {0, 5, false},
        {10000, 5, false}, {4, 0, false},          {4, 10000001, false}};
    for (const auto& [level, presses, recorded] : finishes)
        EXPECT_EQ(progress.LevelFinished(level, presses), recorded) << level << " " << presses;
    for (int level : {5, 2, 10000, 0})
        progress.LevelReached(level);
    EXPECT_TRUE(progress == (SavedProgress{5, {{3, 40}, {9999, 10000000}}}));
    TempDir dir;  // the folder is made, and a second save replaces the first
    const std::string folder = dir.File("made/here");
    for (const SavedProgress& saved : {progress, SavedProgress()}) {
        EXPECT_TRUE(SaveProgress(folder, saved));
        EXPECT_TRUE(LoadProgress(folder) == saved);
    }
}

// Each row: what stands in the file's place, and what standard error says of it;
// a missing file, or no folder at all, is met silently.
TEST(SavedProgressTest, ADamagedFileStartsAfresh) {
    const std::string head = "korvath progress 1\nreached 3\n";
    const std::tuple<Make, const char*> damages[] = {
        {Text(""), "is empty"},
        {Text(std::string("\177ELF\0\1\377", 7)), "its first line"},
        {Text(head + "best 10000 5\n"), "line 3 is damaged"},
        {Text(head + "best 3 0\n"), "line 3 is damaged"},
        {Text(head + "best 3 10000001\n"), "line 3 is damaged"},
        {Text(head + "best 3 5\nbest 4 6\nbest 3 6\n"), "line 5 is damaged"},
        {Text("", 100 << 20), "is larger than"},
        {[](const std::string& p) { fs::create_directory(p); }, "is not a regular file"},
#ifndef _WIN32
        {[](const std::string& p) { fs::create_symlink("/dev/zero", p); }, "is not a regular file"},
        {[](const std::string& p) { mkfifo(p.c_str(), 0600); }, "is not a regular file"},
        {[](const std::string& p) { fs::create_symlink(p, p); }, "cannot be opened"},
#endif
    };
    for (const auto& [make, says] : damages) {
        TempDir dir;
        make(dir.File(kProgressFileName));
        const std::string said = LoadedFreshSaying(dir.Path());
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        const std::string path = (fs::path(dir.Path()) / kProgressFileName).string();
        EXPECT_EQ(said.find("korvath: " + path + ": " + says), 0u) << said;
    }
    EXPECT_EQ(LoadedFreshSaying(TempDir().Path()), "");
    EXPECT_EQ(LoadedFreshSaying(""), "");
}

// Under a regular file (which fails for root too), over a folder, on a full disk.
TEST(SavedProgressTest, AFailedSaveLeavesTheOldFileAndNoOther) {
    SavedProgress many;
    for (int level = 1; level <= 300; ++level)
        many.LevelFinished(level, level);
    const std::pair<const char*, const char*> places[] = {
        {"blocker", "blocker/sub"},
        {"progress.txt/x", ""},
#ifndef _WIN32
        {"progress.txt", ""},
#endif
    };
    for (const auto& [file, folder] : places) {
        TempDir dir;
        dir.Write(file, "korvath progress 1\nreached 4\n");
        const auto before = Snapshot(dir.Path());
        const std::string said = FailedSaveSaying(dir.File(folder), many);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(Snapshot(dir.Path()), before) << file;
    }
}

}  // namespace
