#include <string>
#include <vector>

#include "world/level.h"
#include "world/world_fixture.h"

namespace {

std::vector<Pawn*> Items(const LinkedList<Pawn*>& list) {
    std::vector<Pawn*> items;
    for (LLNode<Pawn*>* node = list.head; node; node = node->next)
        items.push_back(node->data);
    return items;
}

class LevelIndexTest : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        PawnTemplates[1].SpecialFlag = 11;  // hero
        PawnTemplates[1].WeightHero = 1;
        PawnTemplates[2].WeightHero = 1;  // carries and is carried
        PawnTemplates[2].BlocksCrate = 1;
        PawnTemplates[3].ID = 35;
        PawnTemplates[4].ID = 29;
        PawnTemplates[5].Frames.PushBack(LinkedList<FramePart>());
        PawnTemplates[6] = PawnTemplates[5];
        PawnTemplates[6].Frames.PushBack(LinkedList<FramePart>());
        PawnTemplates[7].SpecialFlag = 5;
        PawnTemplates[7].ID = 3;
        PawnTemplates[8].SpecialFlag = 15;
        PawnTemplates[9].SpecialFlag = 30;
    }

    Pawn* Add(int slot) {
        LevelPawns.PushBack(Pawn(&PawnTemplates[slot]));
        return &LevelPawns.Last();
    }
};

TEST_F(LevelIndexTest, EveryTestAppliesInLevelOrder) {
    Pawn* hero = Add(1);
    Pawn* both = Add(2);
    Pawn* finish = Add(3);
    Pawn* checkpoint = Add(4);
    Pawn* oneFrame = Add(5);
    Pawn* twoFrames = Add(6);
    Pawn* gate = Add(7);
    Pawn* lever = Add(8);
    Pawn* column = Add(9);
    BuildLevelIndex();
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(PlayerPawn, hero);
    EXPECT_EQ(FinishPawn, finish);
    EXPECT_EQ(Items(MovingPawns), (std::vector<Pawn*>{hero, both, column}));
    EXPECT_EQ(Items(BlockingPawns), std::vector<Pawn*>{both});
    EXPECT_EQ(Items(PickupPawns), std::vector<Pawn*>{checkpoint});
    EXPECT_EQ(Items(AnimatedPawns), std::vector<Pawn*>{twoFrames});
    EXPECT_EQ(Items(GatePawns), std::vector<Pawn*>{gate});
    EXPECT_EQ(Items(Id3Pawns), std::vector<Pawn*>{gate});
    EXPECT_EQ(Items(CellActionPawns), std::vector<Pawn*>{lever});
    (void)oneFrame;
}

TEST_F(LevelIndexTest, TheLaterOfTwoHeroesWins) {
    Add(1);
    Pawn* second = Add(1);
    BuildLevelIndex();
    EXPECT_EQ(PlayerPawn, second);
    EXPECT_EQ(Items(MovingPawns).size(), 2u);
}

TEST_F(LevelIndexTest, NoHeroIsReportedAndLeftNull) {
    Add(1);
    BuildLevelIndex();
    LevelPawns.Clear();
    Add(2);
    Add(3);
    BuildLevelIndex();
    EXPECT_EQ(Reports(),
              std::vector<std::string>{"No player start position defined for this level."});
    EXPECT_EQ(PlayerPawn, nullptr);
    EXPECT_NE(FinishPawn, nullptr);
}

TEST_F(LevelIndexTest, RemovedPawnLeavesEveryList) {
    Add(1);
    Pawn* checkpoint = Add(4);
    Pawn* other = Add(4);
    BuildLevelIndex();
    LevelPawns.Remove(checkpoint);
    BuildLevelIndex();
    EXPECT_EQ(Items(PickupPawns), std::vector<Pawn*>{other});
    for (const LinkedList<Pawn*>* list :
         {&GatePawns, &Id3Pawns, &MovingPawns, &BlockingPawns, &CellActionPawns, &AnimatedPawns})
        for (Pawn* pawn : Items(*list))
            EXPECT_NE(pawn, checkpoint);
}

TEST_F(LevelIndexTest, RestoringSavedPawnsBringsBackFieldsAndTemplates) {
    Pawn* hero = Add(1);
    hero->Placement.xoffset = 40.0f;
    SavedPawns = LevelPawns;
    hero->Template = &PawnTemplates[4];
    hero->Placement.xoffset = 60.0f;
    hero->Frame = 2;
    LevelPawns = SavedPawns;
    BuildLevelIndex();
    ASSERT_NE(PlayerPawn, nullptr);
    EXPECT_EQ(PlayerPawn->Template, &PawnTemplates[1]);
    EXPECT_EQ(PlayerPawn->Placement.xoffset, 40.0f);
    EXPECT_EQ(PlayerPawn->Frame, 0);
    EXPECT_NE(PlayerPawn, &SavedPawns.Last());  // points into LevelPawns only
}

}  // namespace
