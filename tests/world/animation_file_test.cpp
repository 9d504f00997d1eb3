#include <limits>
#include <string>

#include "world/pawn_template.h"
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
    EXPECT_EQ(part.Transform.xstretch, 1.0f);
    EXPECT_EQ(part.Transform.opacity, 100.0f);
    EXPECT_EQ(t.Frames[1].LastIndex(), -1);
    EXPECT_FALSE(t.LoadAnimation("missing.txt"));
}

TEST_F(AnimationFileTest, FirstLineHashIsDroppedSoTheFirstFrameIsMisread) {
    // "walk" is then skipped and the "#" closing the frame opens one instead.
    ASSERT_TRUE(Load("#\nwalk\n" + kPart + "#\n"));
    ASSERT_EQ(t.Frames.LastIndex(), 0);
    EXPECT_EQ(t.FrameNames[0], "");
    EXPECT_EQ(t.Frames[0].LastIndex(), -1);
}

// Cut anywhere (model block, frame name, part block, before a closing
// marker), the file reads as far as it goes and only complete parts are kept.
TEST_F(AnimationFileTest, TruncatedFilesStopWhereTheyEnd) {
    const std::string full = "!\nm\n!\n#\nname\n$\n1\nl\n0\n0\n0\n0\n0\n0\n1\n1\n1\n50\n$\n#\n";
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        ASSERT_TRUE(Load(full.substr(0, cut)));
        EXPECT_EQ(t.FrameNames.LastIndex(), t.Frames.LastIndex());
        if (t.Frames.LastIndex() == 0 && t.Frames[0].LastIndex() == 0) {
            EXPECT_NE(t.Frames[0][0].Transform.opacity, 100.0f);
        }
    }
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

}  // namespace
