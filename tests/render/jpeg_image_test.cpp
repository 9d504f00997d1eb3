#include "render/jpeg_image.h"

#include <gtest/gtest.h>

#include "corpus.h"
#include "render/texture.h"

namespace {

struct JpegFact {
    const char* file;
    bool loads;
    int width, height;
};

// Damaged, CMYK/YCCK and 12-bit pictures are refused; the rest decode to RGB.
// The truncated file decodes with its missing rows filled in, as libjpeg does.
const JpegFact kCorpus[] = {
    {"testorig.jpg", true, 227, 149},
    {"testimgint.jpg", true, 227, 149},
    {"testimgari.jpg", true, 227, 149},
    {"testimgp.jpg", true, 227, 149},
    {"testimggray.jpg", true, 227, 149},
    {"derived_testorig_gray.jpg", true, 227, 149},
    {"derived_testorig_progressive.jpg", true, 227, 149},
    {"derived_testorig_truncated_3000.jpg", true, 227, 149},
    {"jeep1.jpg", true, 512, 512},
    {"jeep1_head_lfdamaged.jpg", true, 512, 512},
    {"derived_3x2_colours.jpg", true, 3, 2},
    {"testorig12.jpg", false, 0, 0},
    {"monkey12.jpg", false, 0, 0},
    {"derived_testorig_cmyk.jpg", false, 0, 0},
    {"derived_testorig_cmyk_adobe0.jpg", false, 0, 0},
};

TEST(JpegDecode, CorpusLoadsOrIsRefused) {
    SKIP_WITHOUT_CORPUS();
    for (const JpegFact& fact : kCorpus) {
        JpegImage image;
        std::string why;
        bool ok = DecodeJpeg(CorpusPath(std::string("jpeg/") + fact.file).c_str(), &image, &why);
        EXPECT_EQ(ok, fact.loads) << fact.file << ": " << why;
        EXPECT_EQ(image.width, fact.width) << fact.file;
        EXPECT_EQ(image.height, fact.height) << fact.file;
        EXPECT_EQ(image.rowSpan, fact.width * 3) << fact.file;
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(fact.width * 3 * fact.height));
    }
}

TEST(JpegDecode, RowsAreStoredBottomUp) {
    SKIP_WITHOUT_CORPUS();
    JpegImage image;
    std::string why;
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/derived_3x2_colours.jpg").c_str(), &image, &why));
    // Buffer row 0 is the picture's bottom row: yellow, cyan, white.
    const int bottom[9] = {255, 255, 0, 0, 255, 255, 255, 255, 255};
    // Row 1 is the top row: red, green, blue (as libjpeg decodes them).
    const int top[9] = {254, 0, 0, 0, 255, 1, 0, 1, 254};
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(image.pixels[i], bottom[i], 2) << i;
        EXPECT_NEAR(image.pixels[9 + i], top[i], 2) << i;
    }
}

TEST(JpegDecode, GreyBecomesEqualRgbAndCodingsAgree) {
    SKIP_WITHOUT_CORPUS();
    JpegImage grey, baseline, arithmetic, progressive;
    std::string why;
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/testimggray.jpg").c_str(), &grey, &why));
    for (size_t i = 0; i < grey.pixels.size(); i += 3) {
        ASSERT_EQ(grey.pixels[i], grey.pixels[i + 1]);
        ASSERT_EQ(grey.pixels[i], grey.pixels[i + 2]);
    }
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/testimgint.jpg").c_str(), &baseline, &why));
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/testimgari.jpg").c_str(), &arithmetic, &why));
    ASSERT_TRUE(DecodeJpeg(CorpusPath("jpeg/testimgp.jpg").c_str(), &progressive, &why));
    EXPECT_EQ(baseline.pixels, arithmetic.pixels);
    EXPECT_EQ(baseline.pixels, progressive.pixels);
}

TEST(JpegDecode, MissingFilesAndOversizePicturesAreRefused) {
    JpegImage image;
    std::string why;
    EXPECT_FALSE(DecodeJpeg("/nonexistent\\picture.jpg", &image, &why));
    EXPECT_FALSE(DecodeJpeg("/dev/null", &image, &why));
    SKIP_WITHOUT_CORPUS();
    EXPECT_FALSE(DecodeJpeg(CorpusPath("jpeg/testorig.jpg").c_str(), &image, &why, 200));
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_TRUE(DecodeJpeg(CorpusPath("jpeg/testorig.jpg").c_str(), &image, &why, 227));
}

// A picture that cannot be read ends the program with a failure status after
// its box, also when nothing is uploaded.
TEST(JpegTextureDeathTest, UnreadablePictureEndsTheProgram) {
    SKIP_WITHOUT_CORPUS();
    SetTextureUploadEnabled(false);
    int texture = 0;
    EXPECT_EXIT(LoadJpegTexture(&texture, CorpusPath("jpeg/monkey12.jpg").c_str(), 0),
                ::testing::ExitedWithCode(kJpegExitStatus), "Error loading jpg file.");
    EXPECT_EXIT(LoadJpegTexture(&texture, "missing.jpg", 0),
                ::testing::ExitedWithCode(kJpegExitStatus), "ERROR");
    SetTextureUploadEnabled(true);
}

TEST(JpegTexture, WithoutUploadsEachTextureGetsItsOwnName) {
    SKIP_WITHOUT_CORPUS();
    SetTextureUploadEnabled(false);
    int textures[3] = {0, 0, 0};
    LoadJpegTexture(textures, CorpusPath("jpeg/derived_3x2_colours.jpg").c_str(), 0);
    LoadJpegTexture(textures, CorpusPath("jpeg/derived_3x2_colours.jpg").c_str(), 2);
    LoadJpegTexture(textures, nullptr, 1);
    SetTextureUploadEnabled(true);
    EXPECT_NE(textures[0], 0);
    EXPECT_NE(textures[2], 0);
    EXPECT_NE(textures[0], textures[2]);
    EXPECT_EQ(textures[1], 0);
}

}  // namespace
