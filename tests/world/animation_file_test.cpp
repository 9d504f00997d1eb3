#include <limits>
#include <string>

#include "world/pawn_template.h"
#include "world/world_fixture.h"

namespace {

// One part block: model reference, label, then the ten transform values.
std::string PartBlock(const std::string& ref, const std::string& label, const std::string& values) {
    return "$\n" + ref + "\n" + label + "\n" + values + "$\n";
}

const char kWorkedValues[] = "0\n90\n0\n0\n20\n0\n1\n1\n1\n100\n";

class AnimationFileTest : public WorldTest {
  protected:
    PawnTemplate t;
};

TEST_F(AnimationFileTest, WorkedPartBlockAndModelBlock) {
    WriteFile("anim.txt", "!\nbody.ms3d\nhead.ms3d\nhat.ms3d\n!\nbetween frames\n#\nstand\n" +
                              PartBlock("2", "torso", kWorkedValues) + "#\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    ASSERT_EQ(t.ModelRefList.LastIndex(), 2);  // ordinals 0, 1, 2
    EXPECT_EQ(t.ModelRefList[2], 2);
    ASSERT_EQ(t.Frames.LastIndex(), 0);
    EXPECT_EQ(t.FrameNames[0], "stand");
    ASSERT_EQ(t.Frames[0].LastIndex(), 0);
    const FramePart& part = t.Frames[0][0];
    EXPECT_EQ(part.ModelRef, 2);
    EXPECT_EQ(part.Label, "torso");
    EXPECT_EQ(part.Transform.yangle, 90.0f);
    EXPECT_EQ(part.Transform.yoffset, 20.0f);
    EXPECT_EQ(part.Transform.xangle, 0.0f);
    EXPECT_EQ(part.Transform.xstretch, 1.0f);
    EXPECT_EQ(part.Transform.opacity, 100.0f);
    EXPECT_FALSE(t.IsAnimated());
}

TEST_F(AnimationFileTest, CrLfLinesAndSkippedLinesInsideFrames) {
    WriteFile("anim.txt",
              "!\r\nm\r\n!\r\n#\r\na\r\nnoise\r\n$\r\n1\r\nl\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"
              "8\r\n9\r\n10\r\n$\r\n#\r\n#\r\nb\r\n#\r\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    ASSERT_EQ(t.Frames.LastIndex(), 1);
    EXPECT_TRUE(t.IsAnimated());
    EXPECT_EQ(t.FrameNames[1], "b");
    EXPECT_EQ(t.Frames[0][0].Label, "l");
    EXPECT_EQ(t.Frames[0][0].Transform.opacity, 10.0f);
    EXPECT_EQ(t.Frames[1].LastIndex(), -1);
}

TEST_F(AnimationFileTest, FirstLineHashIsDroppedSoTheFirstFrameIsMisread) {
    // The "#" opening the file is taken for the model block's place and
    // dropped; "walk" is then skipped and the "#" closing it opens a frame.
    WriteFile("anim.txt", "#\nwalk\n" + PartBlock("1", "x", kWorkedValues) + "#\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    ASSERT_EQ(t.Frames.LastIndex(), 0);
    EXPECT_EQ(t.FrameNames[0], "");  // the file ended where its name was due
    EXPECT_EQ(t.Frames[0].LastIndex(), -1);
}

TEST_F(AnimationFileTest, ModelBlockWithoutFramesDrawsNothing) {
    t.Frames.PushBack(LinkedList<FramePart>());  // earlier content is replaced
    t.TextureList.PushBack(7);
    WriteFile("anim.txt", "!\nm\n!\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    EXPECT_EQ(t.Frames.LastIndex(), -1);
    EXPECT_EQ(t.TextureList.LastIndex(), 0);  // left alone
    EXPECT_FALSE(t.LoadAnimation("missing.txt"));
    EXPECT_FALSE(t.LoadAnimation(""));
}

// The file ends inside the model block, the frame name, a part block and
// before a closing marker: the reader keeps what it has and stops.
TEST_F(AnimationFileTest, TruncatedFilesStopWhereTheyEnd) {
    const std::string full =
        "!\nm\n!\n#\nname\n" + PartBlock("1", "lab", "0\n0\n0\n0\n0\n0\n1\n1\n1\n50\n") + "#\n";
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        WriteFile("anim.txt", full.substr(0, cut));
        ASSERT_TRUE(t.LoadAnimation("anim.txt"));
        EXPECT_LE(t.Frames.LastIndex(), 0);
        EXPECT_EQ(t.FrameNames.LastIndex(), t.Frames.LastIndex());
        if (t.Frames.LastIndex() == 0 && t.Frames[0].LastIndex() == 0) {
            EXPECT_NE(t.Frames[0][0].Transform.opacity, 100.0f);  // only complete parts
        }
    }
}

TEST_F(AnimationFileTest, LongLinesAreCutNotSplit) {
    std::string longLabel(5000, 'L');
    std::string longNoise(20000, '#');
    WriteFile("anim.txt", "!\n" + std::string(3000, 'm') + "\n!\n" + longNoise + "\n#\n" +
                              std::string(300, 'n') + "\n" + longNoise + "\n" +
                              PartBlock(std::string(400, '7'), longLabel, kWorkedValues) + "#\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    EXPECT_EQ(t.ModelRefList.LastIndex(), 0);
    ASSERT_EQ(t.Frames.LastIndex(), 0);
    EXPECT_EQ(t.FrameNames[0], std::string(99, 'n'));
    ASSERT_EQ(t.Frames[0].LastIndex(), 0);
    EXPECT_EQ(t.Frames[0][0].Label, std::string(99, 'L'));
    EXPECT_EQ(t.Frames[0][0].Transform.yoffset, 20.0f);
}

TEST_F(AnimationFileTest, ValueLinesReadLeadingNumbers) {
    WriteFile("anim.txt",
              "!\n!\n#\nf\n$\n  -3xyz\nlabel\n1e999\n-1e999\nabc\n0x10\n  2.5e1m\n"
              ".5\n-.25\n7.\n1e\n$\n12\n99999999999\n$\n#\n");
    ASSERT_TRUE(t.LoadAnimation("anim.txt"));
    const FramePart& part = t.Frames[0][0];
    EXPECT_EQ(part.ModelRef, -3);
    EXPECT_EQ(part.Transform.xangle, std::numeric_limits<float>::infinity());
    EXPECT_EQ(part.Transform.yangle, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(part.Transform.zangle, 0.0f);
    EXPECT_EQ(part.Transform.xoffset, 0.0f);  // not hexadecimal
    EXPECT_EQ(part.Transform.yoffset, 25.0f);
    EXPECT_EQ(part.Transform.zoffset, 0.5f);
    EXPECT_EQ(part.Transform.xstretch, -0.25f);
    EXPECT_EQ(part.Transform.ystretch, 7.0f);
    EXPECT_EQ(part.Transform.zstretch, 1.0f);
    // A "$" among the value lines is a value ("$" reads as 0), and lines after
    // the twelfth are skipped up to the closing "$".
    EXPECT_EQ(part.Transform.opacity, 0.0f);
    EXPECT_EQ(t.Frames[0].LastIndex(), 0);
}

}  // namespace
