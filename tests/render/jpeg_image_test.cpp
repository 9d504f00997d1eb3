#include "render/jpeg_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "render/texture.h"
#include "support/corpus.h"
#include "support/data_folder.h"

namespace {

// 12-bit, CMYK and YCCK pictures are refused; the rest decode to RGB, the
// truncated one with its missing rows filled in as libjpeg does.
TEST(JpegDecode, CorpusLoadsOrIsRefused) {
    SKIP_WITHOUT_CORPUS();
    const struct {
        const char* file;
        int width, height;  // 0: refused
    } corpus[] = {{"testorig.jpg", 227, 149},
                  {"testimgint.jpg", 227, 149},
                  {"testimgari.jpg", 227, 149},
                  {"testimgp.jpg", 227, 149},
                  {"testimggray.jpg", 227, 149},
                  {"derived_testorig_gray.jpg", 227, 149},
                  {"derived_testorig_progressive.jpg", 227, 149},
                  {"derived_testorig_truncated_3000.jpg", 227, 149},
                  {"jeep1.jpg", 512, 512},
                  {"jeep1_head_lfdamaged.jpg", 512, 512},
                  {"derived_3x2_colours.jpg", 3, 2},
                  {"testorig12.jpg", 0, 0},
                  {"monkey12.jpg", 0, 0},
                  {"derived_testorig_cmyk.jpg", 0, 0},
                  {"derived_testorig_cmyk_adobe0.jpg", 0, 0}};
    for (const auto& fact : corpus) {
        JpegImage image;
        std::string why;
        bool ok = DecodeJpeg(CorpusPath(std::string("jpeg/") + fact.file).c_str(), &image, &why);
        EXPECT_EQ(ok, fact.width > 0) << fact.file << ": " << why;
        EXPECT_EQ(image.width, fact.width) << fact.file;
        EXPECT_EQ(image.height, fact.height) << fact.file;
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(fact.width * 3 * fact.height));
    }
}

TEST(JpegDecode, RowsBottomUpAndGreyAsRgb) {
    SKIP_WITHOUT_CORPUS();
    JpegImage image, grey;
    std::string why;
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/derived_3x2_colours.jpg").c_str(), &image, &why));
    // Buffer row 0 is the picture's bottom row (yellow, cyan, white), row 1
    // its top row (red, green, blue).
    const int rows[18] = {255, 255, 0, 0, 255, 255, 255, 255, 255, 254, 0, 0, 0, 255, 1, 0, 1, 254};
    for (int i = 0; i < 18; ++i)
        EXPECT_NEAR(image.pixels[i], rows[i], 2) << i;
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/testimggray.jpg").c_str(), &grey, &why));
    for (size_t i = 0; i < grey.pixels.size(); i += 3)
        ASSERT_TRUE(grey.pixels[i] == grey.pixels[i + 1] && grey.pixels[i] == grey.pixels[i + 2]);
}

TEST(JpegDecode, MissingEmptyAndOversizeFilesAreRefused) {
    JpegImage image;
    std::string why;
    EXPECT_FALSE(DecodeJpeg("/nonexistent\\picture.jpg", &image, &why));
    EXPECT_FALSE(DecodeJpeg("/dev/null", &image, &why));
    SKIP_WITHOUT_CORPUS();
    EXPECT_FALSE(DecodeJpeg(CorpusPath("jpeg/testorig.jpg").c_str(), &image, &why, 200));
    EXPECT_TRUE(image.pixels.empty());
}

// A picture that cannot be read is a fatal picture error, also without upload,
// and its entry is left alone; each readable file is decoded once, and a second
// use gets the first texture even if the file went bad since.
std::vector<std::string> pictureErrors;

TEST(JpegTexture, BadPictureIsReportedAndEachFileIsDecodedOnce) {
    SKIP_WITHOUT_CORPUS();
    SetTextureUploadEnabled(false);
    SetFatalErrorHandler([](FatalError kind, const char* text) {
        pictureErrors.push_back(kind == FatalError::kPicture ? text : "a data error");
    });
    int textures[3] = {-1, -1, -1};
    LoadJpegTexture(textures, CorpusPath("jpeg/monkey12.jpg").c_str(), 0);
    LoadJpegTexture(textures, "missing.jpg", 0);
    EXPECT_EQ(pictureErrors, std::vector<std::string>(2, "Error loading jpg file."));
    EXPECT_EQ(textures[0], -1);
    DataFolder data;
    std::filesystem::copy(CorpusPath("jpeg/derived_3x2_colours.jpg"), data.File("picture.jpg"));
    LoadJpegTexture(textures, data.File("picture.jpg").c_str(), 0);
    LoadJpegTexture(textures, CorpusPath("jpeg/testorig.jpg").c_str(), 1);
    data.Write("picture.jpg", "not a picture any more");
    LoadJpegTexture(textures, data.File("picture.jpg").c_str(), 2);
    EXPECT_NE(textures[0], -1);
    EXPECT_NE(textures[0], textures[1]);
    EXPECT_EQ(textures[2], textures[0]);
    ForgetTextures();
    LoadJpegTexture(textures, data.File("picture.jpg").c_str(), 2);
    EXPECT_EQ(pictureErrors.size(), 3u);
    SetFatalErrorHandler(nullptr);
    SetTextureUploadEnabled(true);
}

}  // namespace
