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

std::vector<Pawn*> Items(const LinkedList<Pawn*>& list) {
    std::vector<Pawn*> items;
    for (LLNode<Pawn*>* node = list.head; node; node = node->next)
        items.push_back(node->data);
    return items;
}

Pawn* Add(int slot) {
    LevelPawns.PushBack(Pawn(&PawnTemplates[slot]));
    return &LevelPawns.Last();
}

using LevelTest = WorldTest;

TEST_F(LevelTest, PawnsLoadInOrderUpToTheFirstGap) {
    PawnTemplates[7].ID = kIdDeadly;
    data.Write("levels.xml", Root(Section("Level2", FullPawn(1, 5, 1, 2) + FullPawn(2, 6, 0, 0) +
                                                        FullPawn(3, 7) + FullPawn(5, 8))));
    LevelPawns.PushBack(Pawn(&PawnTemplates[0]));  // the loading picture stays first
    LoadLevelPawns(2);
    ASSERT_EQ(LevelPawns.LastIndex(), 3);
    Pawn& first = LevelPawns[1];
    EXPECT_EQ(first.Template, &PawnTemplates[5]);
    EXPECT_EQ(first.Type, kFixedPawn);
    EXPECT_TRUE(first.Visible);  // "Visible" 2
    EXPECT_EQ(first.Placement.xangle, 1.0f);
    EXPECT_EQ(first.Placement.yoffset, 5.0f);
    EXPECT_EQ(first.Placement.opacity, 10.0f);
    EXPECT_FALSE(LevelPawns[2].Visible);
    EXPECT_EQ(LevelPawns[3].Placement.opacity, 0.0f);  // deadly pawns are unseen
    EXPECT_TRUE(Reports().empty());
}

TEST_F(LevelTest, MissingKeysCarryTheScratchValueOver) {
    data.Write(
        "levels.xml",
        Root(Section("Level1", Section("Pawn1", Key("PawnTemplate", "3") + Key("xangle", "45") +
                                                    Key("zangle", "7")))));
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
        data.Write("levels.xml",
                   Root(Section("Level3", FullPawn(1, 98) + FullPawn(2, 0) +
                                              Section("Pawn3", Key("PawnTemplate", bad)) +
                                              FullPawn(4, 1))));
        LoadLevelPawns(3);
        EXPECT_EQ(LevelPawns.LastIndex(), 1) << bad;
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
    std::vector<Pawn*> p;
    for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 1})
        p.push_back(Add(slot));
    BuildLevelIndex();
    EXPECT_EQ(PlayerPawn, p[9]);  // the later of two heroes
    EXPECT_EQ(FinishPawn, p[2]);
    EXPECT_EQ(Items(MovingPawns), (std::vector<Pawn*>{p[0], p[1], p[8], p[9]}));
    EXPECT_EQ(Items(BlockingPawns), std::vector<Pawn*>{p[1]});
    EXPECT_EQ(Items(PickupPawns), std::vector<Pawn*>{p[3]});
    EXPECT_EQ(Items(AnimatedPawns), std::vector<Pawn*>{p[5]});
    EXPECT_EQ(Items(GatePawns), Items(Id3Pawns));
    EXPECT_EQ(Items(CellActionPawns), std::vector<Pawn*>{p[7]});

    // After a removal and a rebuild no list refers to the removed pawn; a
    // level without a hero says so and leaves none behind.
    LevelPawns.Remove(p[1]);
    BuildLevelIndex();
    EXPECT_EQ(Items(MovingPawns), (std::vector<Pawn*>{p[0], p[8], p[9]}));
    EXPECT_TRUE(BlockingPawns.head == nullptr);
    EXPECT_TRUE(Reports().empty());
    LevelPawns.Clear();
    Add(2);
    BuildLevelIndex();
    EXPECT_EQ(Reports(),
              std::vector<std::string>{"No player start position defined for this level."});
    EXPECT_EQ(PlayerPawn, nullptr);
}

}  // namespace
