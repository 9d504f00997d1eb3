#include <string>
#include <vector>

#include "world/level.h"
#include "world/template_roles.h"
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
using Places = std::vector<int32_t>;

TEST_F(LevelTest, PawnsLoadInOrderUpToTheFirstGap) {
    PawnTemplates[7].ID = kIdDeadly;
    data.Write("levels.xml", Root(Section("Level2", FullPawn(1, 5, 1, 2) + FullPawn(2, 6, 0, 0) +
                                                        FullPawn(3, 7) + FullPawn(5, 8))));
    PawnList pawns{Pawn(&PawnTemplates[0])};  // the loading picture stays first
    LoadLevelPawns(2, &pawns);
    ASSERT_EQ(pawns.size(), 4u);
    Pawn& first = pawns[1];
    EXPECT_EQ(first.Template, &PawnTemplates[5]);
    EXPECT_EQ(first.Type, kFixedPawn);
    EXPECT_TRUE(first.Visible);  // "Visible" 2
    EXPECT_EQ(first.Placement.xangle, 1.0f);
    EXPECT_EQ(first.Placement.yoffset, 5.0f);
    EXPECT_EQ(first.Placement.opacity, 10.0f);
    EXPECT_FALSE(pawns[2].Visible);
    EXPECT_EQ(pawns[3].Placement.opacity, 0.0f);  // deadly pawns are unseen
    EXPECT_TRUE(Reports().empty());
}

TEST_F(LevelTest, TemplateNumberOutsideTheTableStopsTheLevel) {
    for (const char* bad : {"99", "-1", "4294967295"}) {
        PawnList pawns;
        Reports().clear();
        data.Write("levels.xml",
                   Root(Section("Level3", FullPawn(1, 98) + FullPawn(2, 0) +
                                              Section("Pawn3", Key("PawnTemplate", bad)) +
                                              FullPawn(4, 1))));
        LoadLevelPawns(3, &pawns);
        EXPECT_EQ(pawns.size(), 2u) << bad;
        ASSERT_EQ(Reports().size(), 1u);
        EXPECT_NE(Reports()[0].find("Level 3, pawn 3"), std::string::npos) << Reports()[0];
    }
}

TEST_F(LevelTest, IndexAppliesEveryTestInLevelOrder) {
    PawnTemplates[1].SpecialFlag = kFlagHero;
    PawnTemplates[1].WeightHero = 1;
    PawnTemplates[2].WeightHero = PawnTemplates[2].BlocksCrate = 1;
    PawnTemplates[3].ID = kIdExit;
    PawnTemplates[4].ID = kIdCheckpoint;
    PawnTemplates[5].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[6] = PawnTemplates[5];
    PawnTemplates[6].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[7].SpecialFlag = kFlagGate;
    PawnTemplates[7].ID = kIdDestructible;
    PawnTemplates[8].SpecialFlag = kFlagSwitchUp;
    PawnTemplates[9].SpecialFlag = kFlagCarriedInColumn;
    PawnTemplates[10].BlocksRock = 1;  // a fixed blocker
    PawnList pawns;
    for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 10, 10})
        pawns.push_back(Pawn(&PawnTemplates[slot], slot == 10 ? 20.0f * pawns.size() : 0.0f, 0));
    LevelIndex index;
    BuildLevelIndex(pawns, &index);
    EXPECT_EQ(index.PlayerPawn, 9);  // the later of two heroes
    EXPECT_EQ(index.FinishPawn, 2);
    EXPECT_EQ(index.MovingPawns, (Places{0, 1, 8, 9}));
    EXPECT_EQ(index.BlockingPawns, (Places{1, 10, 11}));
    EXPECT_EQ(index.LooseBlockers, Places{1});  // it moves
    ASSERT_EQ(index.FixedBlockers.size(), 2u);
    EXPECT_EQ(FixedBlockersAt(index, 220.0f).begin->pawn, 11);
    EXPECT_EQ(index.PickupPawns, Places{3});
    EXPECT_EQ(index.AnimatedPawns, Places{5});
    EXPECT_EQ(index.GatePawns, index.DestructiblePawns);
    EXPECT_EQ(index.CellActionPawns, Places{7});
    EXPECT_TRUE(Reports().empty());

    // A level without a hero says so and leaves none behind.
    BuildLevelIndex(PawnList{Pawn(&PawnTemplates[2])}, &index);
    EXPECT_EQ(Reports(),
              std::vector<std::string>{"No player start position defined for this level."});
    EXPECT_EQ(index.PlayerPawn, -1);
}

}  // namespace
