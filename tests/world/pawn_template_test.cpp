// Pawn templates as the game reads them: the template list of pawntemp.xml
// and each template's animation file.

#include <limits>
#include <string>
#include <vector>

#include "world/pawn_template.h"
#include "world/template_assets.h"
#include "world/world_fixture.h"

namespace {

// The worked part block: model 2, turned 90 about y, raised by 20.
const std::string kPart = "$\n2\ntorso\n0\n90\n0\n0\n20\n0\n1\n1\n1\n100\n$\n";

class AnimationFileTest : public WorldTest {
  protected:
    // Writes the text as an animation file and reads it into t.
    bool Load(const std::string& text) {
        return t.LoadAnimation(data.Write("anim.txt", text).c_str());
    }
    PawnTemplate t;
};

TEST_F(AnimationFileTest, ModelBlockFramesAndPartBlocks) {
    ASSERT_TRUE(Load("!\r\nbody\r\nhead\r\nhat\r\n!\r\nskipped\n#\nstand\nskipped\n" + kPart +
                     "#\n#\nempty\n#\n"));
    EXPECT_EQ(t.ModelRefList.LastIndex(), 2);  // ordinals 0..2
    ASSERT_EQ(t.Frames.LastIndex(), 1);
    EXPECT_TRUE(t.IsAnimated());
    EXPECT_EQ(t.FrameNames[0], "stand");
    ASSERT_EQ(t.Frames[0].LastIndex(), 0);
    FramePart& part = t.Frames[0][0];
    EXPECT_EQ(part.ModelRef, 2);
    EXPECT_EQ(part.Label, "torso");
    EXPECT_EQ(part.Transform.yangle, 90.0f);
    EXPECT_EQ(part.Transform.yoffset, 20.0f);
    EXPECT_EQ(t.Frames[1].LastIndex(), -1);
    EXPECT_FALSE(t.LoadAnimation("missing.txt"));
}

TEST_F(AnimationFileTest, LongLinesAreCutAndValuesReadLeadingNumbers) {
    std::string noise(20000, '#');
    ASSERT_TRUE(Load("!\n" + std::string(3000, 'm') + "\n!\n" + noise + "\n#\n" +
                     std::string(300, 'n') + "\n" + noise + "\n$\n" + std::string(400, '7') + "\n" +
                     std::string(5000, 'L') +
                     "\n1e999\n-3e40\nabc\n0x10\n 2.5e1m\n.5\n-.25\n7.\n1e\n$\n$\n#\n"));
    ASSERT_EQ(t.Frames.LastIndex(), 0);
    EXPECT_EQ(t.FrameNames[0], std::string(99, 'n'));
    ASSERT_EQ(t.Frames[0].LastIndex(), 0);
    const Transform& v = t.Frames[0][0].Transform;
    EXPECT_EQ(t.Frames[0][0].Label, std::string(99, 'L'));
    EXPECT_EQ(v.xangle, std::numeric_limits<float>::infinity());  // not a wild cast
    EXPECT_EQ(v.yangle, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(v.zangle + v.xoffset, 0.0f);  // "abc" and hexadecimal read as 0
    EXPECT_EQ(v.yoffset, 25.0f);
    EXPECT_EQ(v.zoffset + v.xstretch, 0.25f);
    EXPECT_EQ(v.ystretch, 7.0f);
    EXPECT_EQ(v.zstretch, 1.0f);
    EXPECT_EQ(v.opacity, 0.0f);  // the twelfth value line was "$"
}

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

}  // namespace
