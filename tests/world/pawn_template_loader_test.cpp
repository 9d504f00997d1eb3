#include <string>
#include <vector>

#include "world/pawn_template.h"
#include "world/template_assets.h"
#include "world/world_fixture.h"

namespace {

// Models whose path contains "bad" fail; textures get names from 100 up.
struct RecordingAssets : TemplateAssets {
    std::vector<std::string> models;
    int nextTexture = 100;
    bool LoadModel(const char* path, int slot) override {
        models.push_back(std::to_string(slot) + path);
        return std::string(path).find("bad") == std::string::npos;
    }
    void LoadJpegTexture(int* names, const char*, int index) override {
        names[index] = nextTexture++;
    }
};

std::string Template(int n, const std::string& keys = "") {
    return Section("pawn" + std::to_string(n), Key("ID", std::to_string(n + 40)) +
                                                   Key("Animation", "gamedata/anim.txt") + keys);
}

class PawnTemplateLoaderTest : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        data.Write("anim.txt", "!\nm\n!\n#\na\n#\n#\nb\n#\n");
        SetTemplateAssets(&assets);
    }
    void Load(const std::string& templates, const std::string& models = "") {
        data.Write("pawntemp.xml",
                   Root(Section("ModelList", models) + Section("PawnTempList", templates)));
        LoadPawnTemplates();
    }
    RecordingAssets assets;
};

TEST_F(PawnTemplateLoaderTest, ListsStopAtTheirFirstGapOrAtASectionWithoutId) {
    Load(Template(0) + Template(1) + Template(2) + Template(3) + Template(4) + Template(6));
    EXPECT_EQ(PawnTemplates[4].ID, 44);
    EXPECT_TRUE(PawnTemplates[4].IsAnimated());
    EXPECT_EQ(PawnTemplates[6].ID, 0);
    PawnTemplates[2] = PawnTemplate();
    Load(Template(0) +
         Section("pawn1", Key("Animation", "gamedata/anim.txt") + Key("Ladder", "1")) +
         Template(2));
    EXPECT_EQ(PawnTemplates[1].Ladder, 0);
    EXPECT_EQ(PawnTemplates[2].ID, 0);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(PawnTemplateLoaderTest, FlagTexts) {
    const char* texts[] = {"1", "7", "-1", "0", "", "abc"};
    std::string list;
    for (int n = 0; n < 6; ++n)
        list += Template(n, Key("Ladder", texts[n]));
    Load(list +
         Template(6, Key("BlocksCrate", "1") + Key("BlocksHero", "2") + Key("BlocksRock", "3") +
                         Key("WeightCrate", "4") + Key("WeightRock", "5") + Key("WeightHero", "6") +
                         Key("Weightless", "7") + Key("Sliding", "8") + Key("Rolling", "9") +
                         Key("Collectable", "10") + Key("Bombable", "11") +
                         Key("SpecialFlag", "12")));
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(PawnTemplates[n].Ladder != 0, n < 3) << texts[n];
    PawnTemplate& t = PawnTemplates[6];
    int32_t read[] = {t.BlocksCrate, t.BlocksHero,  t.BlocksRock, t.WeightCrate,
                      t.WeightRock,  t.WeightHero,  t.Weightless, t.Sliding,
                      t.Rolling,     t.Collectable, t.Bombable,   t.SpecialFlag};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(read[k], k + 1);
}

TEST_F(PawnTemplateLoaderTest, MissingOrUnreadableAnimationIsReported) {
    Load(Template(0) + Section("pawn1", Key("ID", "2")) +
         Section("pawn2", Key("ID", "3") + Key("Animation", "missing.txt")));
    EXPECT_EQ(Reports(), std::vector<std::string>(2, "Couldn't load animation."));
    // The section without "Animation" does not reuse the path read before it.
    EXPECT_EQ(PawnTemplates[1].Frames.LastIndex(), -1);
    EXPECT_EQ(PawnTemplates[2].ID, 3);
}

TEST_F(PawnTemplateLoaderTest, ModelsModelRefsAndTextures) {
    std::string refs = Section(
        "ModelRefList", Key("ModelRef0", "12") + Key("ModelRef1", "3") + Key("ModelRef3", "9"));
    std::string textures =
        Section("TextureList", Key("Texture0", "t0.jpg") + Key("Texture1", "t1.jpg"));
    Load(Template(0, refs + textures) +
             Template(1, Section("TextureList", Key("Texture1", "late.jpg"))),
         Key("Model0", "a") + Key("Model1", "bad") + Key("Model2", "c") + Key("Model4", "d"));
    EXPECT_EQ(assets.models, (std::vector<std::string>{"0a", "1bad", "2c"}));
    EXPECT_EQ(Reports(), std::vector<std::string>{"Couldn't load model data."});
    PawnTemplate& t = PawnTemplates[0];  // the XML list replaces the file's ordinals
    ASSERT_EQ(t.ModelRefList.LastIndex(), 1);
    EXPECT_EQ(t.ModelRefList[0] * 100 + t.ModelRefList[1], 1203);
    ASSERT_EQ(t.TextureList.LastIndex(), 1);
    EXPECT_EQ(t.TextureList[1], 101);
    EXPECT_EQ(PawnTemplates[1].TextureList.LastIndex(), -1);
}

TEST_F(PawnTemplateLoaderTest, LoadTexturePadsWithMinusOne) {
    PawnTemplate t;
    EXPECT_TRUE(t.LoadTexture("loading1.jpg", 3));
    ASSERT_EQ(t.TextureList.LastIndex(), 3);
    EXPECT_EQ(t.TextureList[0] + t.TextureList[1] + t.TextureList[2], -3);
    EXPECT_EQ(t.TextureList[3], 100);
    SetTemplateAssets(nullptr);  // without assets the entry stays -1
    EXPECT_TRUE(t.LoadTexture("t.jpg", 4));
    EXPECT_EQ(t.TextureList[4], -1);
}

}  // namespace
