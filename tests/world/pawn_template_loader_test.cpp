#include <string>
#include <vector>

#include "world/pawn_template.h"
#include "world/template_assets.h"
#include "world/world_fixture.h"

namespace {

// Records every request; models whose path contains "bad" fail, textures get
// names counting up from 100.
struct RecordingAssets : TemplateAssets {
    std::vector<std::string> models;
    std::vector<std::string> textures;
    bool LoadModel(const char* path, int slot) override {
        models.push_back(std::to_string(slot) + ":" + path);
        return std::string(path).find("bad") == std::string::npos;
    }
    void LoadJpegTexture(int* names, const char* path, int index) override {
        textures.push_back(path);
        names[index] = 100 + static_cast<int>(textures.size()) - 1;
    }
};

std::string Template(int n, const std::string& keys) {
    return Section("pawn" + std::to_string(n), keys);
}

std::string Flags(const std::string& value) {
    std::string keys;
    for (const char* name :
         {"BlocksCrate", "BlocksHero", "BlocksRock", "WeightCrate", "WeightRock", "WeightHero",
          "Weightless", "Sliding", "Rolling", "Collectable", "Bombable", "Ladder", "SpecialFlag"})
        keys += Key(name, value);
    return keys;
}

class PawnTemplateLoaderTest : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        WriteFile("anim.txt", "!\nm\n!\n#\na\n#\n#\nb\n#\n");
        SetTemplateAssets(&assets);
    }
    RecordingAssets assets;
};

TEST_F(PawnTemplateLoaderTest, TemplateListStopsAtItsFirstGap) {
    std::string list;
    for (int n : {0, 1, 2, 3, 4, 6})
        list += Template(n, Key("ID", std::to_string(n + 40)) + Key("Animation", "anim.txt"));
    WriteStore("pawntemp.xml", Section("PawnTempList", list));
    LoadPawnTemplates();
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(PawnTemplates[4].ID, 44);
    EXPECT_TRUE(PawnTemplates[4].IsAnimated());
    EXPECT_EQ(PawnTemplates[6].ID, 0);
    EXPECT_EQ(PawnTemplates[6].Frames.LastIndex(), -1);
}

TEST_F(PawnTemplateLoaderTest, SectionWithoutIdEndsTheList) {
    std::string list = Template(0, Key("ID", "7") + Key("Animation", "anim.txt")) +
                       Template(1, Key("Animation", "anim.txt") + Flags("1")) +
                       Template(2, Key("ID", "9") + Key("Animation", "anim.txt"));
    WriteStore("pawntemp.xml", Section("PawnTempList", list));
    LoadPawnTemplates();
    EXPECT_EQ(PawnTemplates[0].ID, 7);
    EXPECT_EQ(PawnTemplates[1].SpecialFlag, 0);
    EXPECT_EQ(PawnTemplates[1].Frames.LastIndex(), -1);
    EXPECT_EQ(PawnTemplates[2].ID, 0);
}

TEST_F(PawnTemplateLoaderTest, FlagTexts) {
    const char* texts[] = {"1", "7", "-1", "0", "", "abc"};
    std::string list;
    for (int n = 0; n < 6; ++n)
        list += Template(n, Key("ID", "1") + Key("Animation", "anim.txt") + Flags(texts[n]));
    WriteStore("pawntemp.xml", Section("PawnTempList", list));
    LoadPawnTemplates();
    for (int n = 0; n < 6; ++n) {
        SCOPED_TRACE(texts[n]);
        PawnTemplate& t = PawnTemplates[n];
        bool set = n < 3;
        for (int32_t flag : {t.BlocksCrate, t.BlocksHero, t.BlocksRock, t.WeightCrate, t.WeightRock,
                             t.WeightHero, t.Weightless, t.Sliding, t.Rolling, t.Collectable,
                             t.Bombable, t.Ladder, t.SpecialFlag})
            EXPECT_EQ(flag != 0, set);
    }
}

TEST_F(PawnTemplateLoaderTest, MissingOrUnreadableAnimationIsReported) {
    std::string list = Template(0, Key("ID", "1") + Key("Animation", "anim.txt")) +
                       Template(1, Key("ID", "2")) +
                       Template(2, Key("ID", "3") + Key("Animation", "missing.txt"));
    WriteStore("pawntemp.xml", Section("PawnTempList", list));
    LoadPawnTemplates();
    EXPECT_EQ(Reports(), std::vector<std::string>(2, "Couldn't load animation."));
    EXPECT_TRUE(PawnTemplates[0].IsAnimated());
    // The section without "Animation" does not reuse the path read before it.
    EXPECT_EQ(PawnTemplates[1].Frames.LastIndex(), -1);
    EXPECT_EQ(PawnTemplates[2].ID, 3);
}

TEST_F(PawnTemplateLoaderTest, ModelListModelRefsAndTextures) {
    std::string models = Key("Model0", "a.ms3d") + Key("Model1", "bad.ms3d") +
                         Key("Model2", "c.ms3d") + Key("Model4", "after_gap.ms3d");
    std::string refs = Section(
        "ModelRefList", Key("ModelRef0", "12") + Key("ModelRef1", "3") + Key("ModelRef3", "9"));
    std::string textures =
        Section("TextureList", Key("Texture0", "t0.jpg") + Key("Texture1", "t1.jpg"));
    std::string noFirstTexture = Section("TextureList", Key("Texture1", "late.jpg"));
    WriteStore(
        "pawntemp.xml",
        Section("ModelList", models) +
            Section(
                "PawnTempList",
                Template(0, Key("ID", "1") + Key("Animation", "anim.txt") + refs + textures) +
                    Template(1, Key("ID", "2") + Key("Animation", "anim.txt") + noFirstTexture)));
    LoadPawnTemplates();
    EXPECT_EQ(assets.models, (std::vector<std::string>{"0:a.ms3d", "1:bad.ms3d", "2:c.ms3d"}));
    EXPECT_EQ(Reports(), std::vector<std::string>{"Couldn't load model data."});
    // The XML list replaces the ordinals of the animation file's model block.
    PawnTemplate& t = PawnTemplates[0];
    ASSERT_EQ(t.ModelRefList.LastIndex(), 1);
    EXPECT_EQ(t.ModelRefList[0], 12);
    EXPECT_EQ(t.ModelRefList[1], 3);
    ASSERT_EQ(t.TextureList.LastIndex(), 1);
    EXPECT_EQ(t.TextureList[0], 100);
    EXPECT_EQ(t.TextureList[1], 101);
    EXPECT_EQ(PawnTemplates[1].TextureList.LastIndex(), -1);
}

TEST_F(PawnTemplateLoaderTest, WithoutAssetsModelsFailAndTexturesStayUnset) {
    SetTemplateAssets(nullptr);
    WriteStore("pawntemp.xml", Section("ModelList", Key("Model0", "a.ms3d")));
    LoadPawnTemplates();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Couldn't load model data."});
    PawnTemplate t;
    EXPECT_TRUE(t.LoadTexture("t.jpg", 1));
    ASSERT_EQ(t.TextureList.LastIndex(), 1);
    EXPECT_EQ(t.TextureList[1], -1);
}

TEST_F(PawnTemplateLoaderTest, LoadTextureIndexThreePadsWithMinusOne) {
    PawnTemplate t;
    EXPECT_TRUE(t.LoadTexture("loading1.jpg", 3));
    ASSERT_EQ(t.TextureList.LastIndex(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(t.TextureList[k], -1);
    EXPECT_EQ(t.TextureList[3], 100);
    EXPECT_TRUE(t.LoadTexture("again.jpg", 1));  // every call creates a new name
    EXPECT_EQ(t.TextureList[1], 101);
    EXPECT_EQ(t.TextureList.LastIndex(), 3);
}

TEST_F(PawnTemplateLoaderTest, MissingFileLeavesTheTableEmpty) {
    LoadPawnTemplates();
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(PawnTemplates[0].Frames.LastIndex(), -1);
}

}  // namespace
