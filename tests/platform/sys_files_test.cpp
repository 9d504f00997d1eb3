// Files named as the game data names them, with backslashes, mapped into
// memory whole.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <string>

#include "platform/sys_mapped_file.h"
#include "support/temp_dir.h"

namespace {

TEST(SysMappedFileTest, MapsTheWholeFileThroughADataPath) {
    TempDir dir;
    dir.Write("sub/a.wav", std::string("RIFF\0x", 6));
    Sys_MappedFile file;
    ASSERT_TRUE(Sys_MapFile(dir.Path() + "\\sub\\a.wav", &file));
    ASSERT_EQ(file.size, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data), 6), std::string("RIFF\0x", 6));
    Sys_UnmapFile(&file);
    EXPECT_EQ(file.data, nullptr);
    Sys_UnmapFile(&file);  // twice is harmless
    ASSERT_TRUE(Sys_MapFile(dir.Write("empty.wav", ""), &file));
    EXPECT_EQ(file.data, nullptr);
    EXPECT_EQ(file.size, 0u);
}

TEST(SysMappedFileTest, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    dir.Write("sub/x", "");
    Sys_MappedFile file;
    EXPECT_FALSE(Sys_MapFile(dir.File("missing.wav"), &file));
    EXPECT_EQ(file.data, nullptr);
    EXPECT_FALSE(Sys_MapFile(dir.File("sub"), &file));
#ifdef _WIN32
    EXPECT_FALSE(Sys_MapFile("NUL", &file)) << "a device must neither hang nor map";
    EXPECT_FALSE(Sys_MapFile(dir.File("CON.wav"), &file)) << "a device must neither hang nor map";
#else
    ASSERT_EQ(mkfifo(dir.File("fifo.wav").c_str(), 0600), 0);
    EXPECT_FALSE(Sys_MapFile(dir.File("fifo.wav"), &file)) << "a FIFO must neither hang nor map";
#endif
}

}  // namespace
