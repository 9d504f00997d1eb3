#include "platform/sys_path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

TEST(SysPathTest, BackslashesBecomeHostSeparators) {
#ifndef _WIN32
    EXPECT_EQ(Sys_HostPath("./gamedata\\levels.xml"), "./gamedata/levels.xml");
    EXPECT_EQ(Sys_HostPath(".\\crate.ms3d"), "./crate.ms3d");
    EXPECT_EQ(Sys_HostPath("models/a.ms3d"), "models/a.ms3d");
#endif
    EXPECT_EQ(Sys_HostPath(""), "");
}

TEST(SysPathTest, OpensDataSpelledPaths) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "korvath_sys_path_test";
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "file.txt") << "x";
    std::string dataPath = dir.string() + "\\sub\\file.txt";
    FILE* f = Sys_OpenFile(dataPath, "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x');
    std::fclose(f);
    EXPECT_EQ(Sys_OpenFile(dir.string() + "\\missing.txt", "rb"), nullptr);
    fs::remove_all(dir);
}

}  // namespace
