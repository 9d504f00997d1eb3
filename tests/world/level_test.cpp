#include <string>

#include "world/level.h"
#include "world/world_fixture.h"

namespace {

// A pawn section with every key; the number keys read 1, 2, ... 10.
std::string FullPawn(int n, int slot, int type = 0, int visible = 1) {
    std::string keys = Key("PawnTemplate", std::to_string(slot)) +
                       Key("Type", std::to_string(type)) + Key("Visible", std::to_string(visible));
    int value = 1;
    for (const char* key : {"xangle", "yangle", "zangle", "xoffset", "yoffset", "zoffset",
                            "xstretch", "ystretch", "zstretch", "opacity"})
        keys += Key(key, std::to_string(value++));
    return Section("Pawn" + std::to_string(n), keys);
}

using LevelTest = WorldTest;

TEST_F(LevelTest, PawnsLoadInOrderUpToTheFirstGap) {
    PawnTemplates[7].ID = 34;
    WriteStore("levels.xml", Section("Level2", FullPawn(1, 5, 1, 2) + FullPawn(2, 6, 0, 0) +
                                                   FullPawn(3, 7) + FullPawn(5, 8)));
    LevelPawns.PushBack(Pawn(&PawnTemplates[0]));  // the loading picture stays first
    LoadLevelPawns(2);
    ASSERT_EQ(LevelPawns.LastIndex(), 3);
    Pawn& first = LevelPawns[1];
    EXPECT_EQ(first.Template, &PawnTemplates[5]);
    EXPECT_EQ(first.Type, 1);
    EXPECT_TRUE(first.Visible);  // "Visible" 2
    EXPECT_EQ(first.Placement.xangle, 1.0f);
    EXPECT_EQ(first.Placement.yoffset, 5.0f);
    EXPECT_EQ(first.Placement.opacity, 10.0f);
    EXPECT_FALSE(LevelPawns[2].Visible);
    EXPECT_EQ(LevelPawns[3].Placement.opacity, 0.0f);  // template ID 34
    EXPECT_TRUE(Reports().empty());
}

TEST_F(LevelTest, MissingKeysCarryTheScratchValueOver) {
    WriteStore("levels.xml",
               Section("Level1", Section("Pawn1", Key("PawnTemplate", "3") + Key("xangle", "45") +
                                                      Key("zangle", "7"))));
    LoadLevelPawns(1);
    Pawn& pawn = LevelPawns[0];
    EXPECT_EQ(pawn.Type, 3);    // the "PawnTemplate" number
    EXPECT_TRUE(pawn.Visible);  // the "Type" value
    EXPECT_EQ(pawn.Placement.yangle, 45.0f);
    EXPECT_EQ(pawn.Placement.opacity, 7.0f);
}

TEST_F(LevelTest, TemplateNumberOutsideTheTableStopsTheLevel) {
    for (const char* bad : {"99", "-1", "4294967295"}) {
        LevelPawns.Clear();
        Reports().clear();
        WriteStore("levels.xml", Section("Level3", FullPawn(1, 98) + FullPawn(2, 0) +
                                                       Section("Pawn3", Key("PawnTemplate", bad)) +
                                                       FullPawn(4, 1)));
        LoadLevelPawns(3);
        EXPECT_EQ(LevelPawns.LastIndex(), 1) << bad;
        ASSERT_EQ(Reports().size(), 1u);
        EXPECT_NE(Reports()[0].find("Level 3, pawn 3"), std::string::npos) << Reports()[0];
    }
}

}  // namespace
