// Files named as the game data names them, with backslashes, mapped into
// memory whole.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <string>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"
#include "platform/sys_process.h"
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

// A data path reads only inside the game's folder, and only a regular file:
// drive letters, "..", absolute and network paths read as missing, as the
// reserved device names do on Windows; a folder named as a file is refused.
TEST(SysDataPathTest, StaysInsideTheGameFolderAndReadsOnlyRegularFiles) {
    TempDir dir;
    dir.Write("gamedata/levels.xml", "<x/>");
    dir.Write("gamedata/shown.jpg/inside", "");
    const std::string previous = Sys_CurrentFolder();
    ASSERT_TRUE(Sys_EnterFolder(dir.Path()));
    const struct {
        const char* path;
        const char* why;
    } rows[] = {
        {"./gamedata\\levels.xml", ""},
        {"C:\\Windows\\win.ini", "not found"},
        {"c:gamedata\\levels.xml", "not found"},
        {"./gamedata\\..\\gamedata\\levels.xml", "not found"},
        {"..\\levels.xml", "not found"},
        {"/etc/hostname", "not found"},
        {"\\\\server\\share\\levels.xml", "not found"},
        {"./gamedata\\shown.jpg", "is not a regular file"},
#ifdef _WIN32
        {"NUL", "not found"},  // devices are no files to read
        {"./gamedata\\CON", "not found"},
        {"./gamedata\\COM1.wav", "not found"},
#endif
    };
    for (const auto& row : rows) {
        std::vector<char> bytes;
        std::string why;
        EXPECT_EQ(Sys_ReadDataFile(row.path, 1024, &bytes, &why), *row.why == 0) << row.path;
        EXPECT_EQ(why, row.why) << row.path;
    }
    ASSERT_TRUE(Sys_EnterFolder(previous));
}

}  // namespace
