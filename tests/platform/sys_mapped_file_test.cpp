#include "platform/sys_mapped_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace {

class SysMappedFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / "korvath_sys_mapped_file_test";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "sub");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(SysMappedFileTest, MapsTheWholeFileThroughADataPath) {
    std::ofstream(dir / "sub" / "a.wav", std::ios::binary) << std::string("RIFF\0x", 6);
    Sys_MappedFile file;
    ASSERT_TRUE(Sys_MapFile(dir.string() + "\\sub\\a.wav", &file));
    ASSERT_EQ(file.size, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data), 6), std::string("RIFF\0x", 6));
    Sys_UnmapFile(&file);
    EXPECT_EQ(file.data, nullptr);
    Sys_UnmapFile(&file);  // twice is harmless
    std::ofstream(dir / "empty.wav");
    ASSERT_TRUE(Sys_MapFile((dir / "empty.wav").string(), &file));
    EXPECT_EQ(file.data, nullptr);
    EXPECT_EQ(file.size, 0u);
}

TEST_F(SysMappedFileTest, RefusesWhatIsNotARegularFile) {
    Sys_MappedFile file;
    EXPECT_FALSE(Sys_MapFile((dir / "missing.wav").string(), &file));
    EXPECT_EQ(file.data, nullptr);
    EXPECT_FALSE(Sys_MapFile((dir / "sub").string(), &file));
#ifndef _WIN32
    std::string fifo = (dir / "fifo.wav").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(Sys_MapFile(fifo, &file)) << "a FIFO must neither hang nor map";
#endif
}

}  // namespace
