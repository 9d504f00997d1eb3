#include <cfloat>
#include <limits>
#include <string>
#include <vector>

#include "world/level.h"
#include "world/world_fixture.h"

namespace {

const char* const kNumberKeys[] = {"xangle",  "yangle",   "zangle",   "xoffset",  "yoffset",
                                   "zoffset", "xstretch", "ystretch", "zstretch", "opacity"};

// A pawn section with every key; values of the number keys 1, 2, ... 10.
std::string FullPawn(int n, int slot, int type = 0, int visible = 1) {
    std::string keys = Key("PawnTemplate", std::to_string(slot)) +
                       Key("Type", std::to_string(type)) + Key("Visible", std::to_string(visible));
    for (int k = 0; k < 10; ++k)
        keys += Key(kNumberKeys[k], std::to_string(k + 1));
    return Section("Pawn" + std::to_string(n), keys);
}

class LevelTest : public WorldTest {
  protected:
    std::vector<Pawn*> Loaded() {
        std::vector<Pawn*> pawns;
        for (LLNode<Pawn>* node = LevelPawns.head; node; node = node->next)
            pawns.push_back(&node->data);
        return pawns;
    }
};

TEST_F(LevelTest, PawnsLoadInOrderUpToTheFirstGap) {
    WriteStore("levels.xml", Section("Level2", FullPawn(1, 5, 1, 2) + FullPawn(2, 6, 0, 0) +
                                                   FullPawn(3, 7) + FullPawn(5, 8)));
    LevelPawns.PushBack(Pawn(&PawnTemplates[0]));  // the loading picture stays first
    LoadLevelPawns(2);
    std::vector<Pawn*> pawns = Loaded();
    ASSERT_EQ(pawns.size(), 4u);
    EXPECT_EQ(pawns[1]->Template, &PawnTemplates[5]);
    EXPECT_EQ(pawns[1]->Type, 1);
    EXPECT_TRUE(pawns[1]->Visible);  // "Visible" 2
    EXPECT_FALSE(pawns[2]->Visible);
    EXPECT_EQ(pawns[3]->Template, &PawnTemplates[7]);
    const Transform& p = pawns[1]->Placement;
    EXPECT_EQ(p.xangle, 1.0f);
    EXPECT_EQ(p.yoffset, 5.0f);
    EXPECT_EQ(p.zstretch, 9.0f);
    EXPECT_EQ(p.opacity, 10.0f);
    EXPECT_EQ(pawns[1]->Settled, 1);
    EXPECT_EQ(pawns[1]->Motion.opacity, 100.0f);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(LevelTest, MissingKeysCarryTheScratchValueOver) {
    WriteStore("levels.xml",
               Section("Level1", Section("Pawn1", Key("PawnTemplate", "3") + Key("xangle", "45") +
                                                      Key("zangle", "7") + Key("opacity", "60"))));
    LoadLevelPawns(1);
    ASSERT_EQ(Loaded().size(), 1u);
    const Pawn& pawn = LevelPawns[0];
    EXPECT_EQ(pawn.Type, 3);    // the "PawnTemplate" number
    EXPECT_TRUE(pawn.Visible);  // the "Type" value, 3
    EXPECT_EQ(pawn.Placement.yangle, 45.0f);
    EXPECT_EQ(pawn.Placement.xoffset, 7.0f);
    EXPECT_EQ(pawn.Placement.zstretch, 7.0f);
    EXPECT_EQ(pawn.Placement.opacity, 60.0f);
}

TEST_F(LevelTest, HazardTemplateIsMadeTransparent) {
    PawnTemplates[9].ID = 34;
    WriteStore("levels.xml", Section("Level1", FullPawn(1, 9) + FullPawn(2, 8)));
    LoadLevelPawns(1);
    EXPECT_EQ(LevelPawns[0].Placement.opacity, 0.0f);
    EXPECT_EQ(LevelPawns[1].Placement.opacity, 10.0f);
}

TEST_F(LevelTest, TemplateNumberOutsideTheTableStopsTheLevel) {
    for (const char* bad : {"99", "-1", "4294967295", "100000"}) {
        SCOPED_TRACE(bad);
        LevelPawns.Clear();
        Reports().clear();
        WriteStore("levels.xml", Section("Level3", FullPawn(1, 98) + FullPawn(2, 0) +
                                                       Section("Pawn3", Key("PawnTemplate", bad)) +
                                                       FullPawn(4, 1)));
        LoadLevelPawns(3);
        EXPECT_EQ(Loaded().size(), 2u);
        ASSERT_EQ(Reports().size(), 1u);
        EXPECT_NE(Reports()[0].find("Level 3, pawn 3"), std::string::npos) << Reports()[0];
    }
}

TEST_F(LevelTest, AbsurdNumbersAreNarrowedSafely) {
    WriteStore(
        "levels.xml",
        Section("Level1",
                Section("Pawn1", Key("PawnTemplate", "1") + Key("Type", "x") + Key("Visible", "") +
                                     Key("xangle", "1e300") + Key("yangle", "-1e300") +
                                     Key("zangle", "3.4e38") + Key("xoffset", "1e-300"))));
    LoadLevelPawns(1);
    const Pawn& pawn = LevelPawns[0];
    EXPECT_EQ(pawn.Type, 0);
    EXPECT_FALSE(pawn.Visible);
    EXPECT_EQ(pawn.Placement.xangle, std::numeric_limits<float>::infinity());
    EXPECT_EQ(pawn.Placement.yangle, -std::numeric_limits<float>::infinity());
    EXPECT_NEAR(pawn.Placement.zangle, 3.4e38f, 1e32f);
    EXPECT_EQ(pawn.Placement.xoffset, 0.0f);
}

TEST_F(LevelTest, MissingLevelLoadsNothing) {
    LoadLevelPawns(1);
    WriteStore("levels.xml", Section("Level1", FullPawn(1, 0)));
    LoadLevelPawns(2);
    EXPECT_EQ(LevelPawns.LastIndex(), -1);
    EXPECT_TRUE(Reports().empty());
}

}  // namespace
