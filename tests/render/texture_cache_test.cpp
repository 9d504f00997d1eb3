// A picture file is decoded once however many materials use it: a second use
// takes the texture made the first time, even if the file went bad since.

#include <gtest/gtest.h>

#include <filesystem>

#include "render/texture.h"
#include "support/data_folder.h"

TEST(TextureCache, ASecondUseOfAFileDecodesNothing) {
    DataFolder data;
    std::filesystem::copy_file(
        std::filesystem::path(KORVATH_SOURCE_DIR) / "gamedata" / "models" / "stone.jpg",
        "gamedata/stone.jpg");
    SetTextureUploadEnabled(false);
    int first = -1, second = -1;
    LoadJpegTexture(&first, "./gamedata\\stone.jpg", 0);
    data.Write("stone.jpg", "not a picture any more");
    LoadJpegTexture(&second, "./gamedata\\stone.jpg", 0);  // would end the program if decoded
    EXPECT_EQ(second, first);
    ForgetTextures();
    EXPECT_EXIT(LoadJpegTexture(&second, "./gamedata\\stone.jpg", 0),
                ::testing::ExitedWithCode(kJpegExitStatus), "");
    SetTextureUploadEnabled(true);
}
