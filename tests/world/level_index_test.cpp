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

Pawn* Add(int slot) {
    LevelPawns.PushBack(Pawn(&PawnTemplates[slot]));
    return &LevelPawns.Last();
}

using LevelIndexTest = WorldTest;

TEST_F(LevelIndexTest, EveryTestAppliesInLevelOrder) {
    PawnTemplates[1].SpecialFlag = 11;
    PawnTemplates[1].WeightHero = 1;
    PawnTemplates[2].WeightHero = PawnTemplates[2].BlocksCrate = 1;
    PawnTemplates[3].ID = 35;
    PawnTemplates[4].ID = 29;
    PawnTemplates[5].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[6] = PawnTemplates[5];
    PawnTemplates[6].Frames.PushBack(LinkedList<FramePart>());
    PawnTemplates[7].SpecialFlag = 5;
    PawnTemplates[7].ID = 3;
    PawnTemplates[8].SpecialFlag = 15;
    PawnTemplates[9].SpecialFlag = 30;
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

    // After a removal and a rebuild no list refers to the removed pawn.
    LevelPawns.Remove(p[1]);
    BuildLevelIndex();
    EXPECT_EQ(Items(MovingPawns), (std::vector<Pawn*>{p[0], p[8], p[9]}));
    EXPECT_TRUE(BlockingPawns.head == nullptr);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(LevelIndexTest, NoHeroIsReportedAndLeftNull) {
    PawnTemplates[1].SpecialFlag = 11;
    Add(1);
    BuildLevelIndex();
    LevelPawns.Clear();
    Add(2);
    BuildLevelIndex();
    EXPECT_EQ(Reports(),
              std::vector<std::string>{"No player start position defined for this level."});
    EXPECT_EQ(PlayerPawn, nullptr);
}

}  // namespace
