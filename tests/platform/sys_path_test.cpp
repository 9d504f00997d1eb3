#include "platform/sys_path.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/temp_dir.h"

namespace {

TEST(SysPathTest, BackslashesBecomeHostSeparators) {
    EXPECT_EQ(Sys_HostPath("./gamedata\\levels.xml"), "./gamedata/levels.xml");
    EXPECT_EQ(Sys_HostPath(".\\crate.ms3d"), "./crate.ms3d");
    EXPECT_EQ(Sys_HostPath("models/a.ms3d"), "models/a.ms3d");
    EXPECT_EQ(Sys_HostPath(""), "");
}

TEST(SysPathTest, OpensDataSpelledPaths) {
    TempDir dir;
    dir.Write("sub/file.txt", "x");
    FILE* f = Sys_OpenFile(dir.Path() + "\\sub\\file.txt", "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x');
    std::fclose(f);
    EXPECT_EQ(Sys_OpenFile(dir.Path() + "\\missing.txt", "rb"), nullptr);
}

}  // namespace
