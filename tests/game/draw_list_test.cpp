#include "game/draw_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "world/level.h"
#include "world/template_roles.h"

namespace {

class DrawListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        explosion.ID = kIdExplosion;
        wide.ID = kIdWideView;
        animated.Frames.PushBack(LinkedList<FramePart>());
        animated.Frames.PushBack(LinkedList<FramePart>());
    }
    void TearDown() override {
        ResetDrawList();
        ResetLevelLists();
    }

    // Relative to the view's centre, (100, 40): the camera's translation is (-100, -40).
    Pawn* Add(PawnTemplate* t, float dx, float dy, float opacity = 100.0f, int type = 0) {
        LevelPawns.PushBack(Pawn(t, 100.0f + dx, 40.0f + dy));
        LevelPawns.Last().Placement.opacity = opacity;
        LevelPawns.Last().Type = type;
        return &LevelPawns.Last();
    }
    std::vector<Pawn*> Build() {
        BuildDrawList(-100.0f, -40.0f);
        std::vector<Pawn*> pawns;
        for (LLNode<Pawn*>* node = DrawList.head; node; node = node->next)
            pawns.push_back(node->data);
        return pawns;
    }

    PawnTemplate still, explosion, wide, animated;
};

TEST_F(DrawListTest, CullingBoxBoundaries) {
    Pawn* right = Add(&still, 220, 0);
    Pawn* below = Add(&still, -220, -200);
    Add(&still, 221, 0);
    Add(&still, 0, -201);
    Pawn* above = Add(&still, 0, 160);
    Add(&still, 0, 161);
    Pawn* wideIn = Add(&wide, -280, 5000);
    Add(&wide, 281, 0);
    Pawn* fixed = Add(&still, 9000, -9000, 100.0f, kFixedPawn);
    EXPECT_EQ(Build(), (std::vector<Pawn*>{fixed, wideIn, above, below, right}));
}

TEST_F(DrawListTest, OpaqueStillPawnsFirstThenTranslucentThenExplosions) {
    Pawn* boom1 = Add(&explosion, 5000, 5000);
    Pawn* opaque = Add(&still, 0, 0);
    Pawn* faint = Add(&still, 0, 0, 99.5f);
    Pawn* negative = Add(&still, 0, 0, -5.0f);
    Pawn* clear = Add(&still, 0, 0, 0.0f);
    Pawn* moving = Add(&animated, 0, 0);
    Pawn* boom2 = Add(&explosion, 0, 0, 50.0f, kFixedPawn);
    EXPECT_EQ(Build(), (std::vector<Pawn*>{clear, opaque, faint, negative, moving, boom1, boom2}));
    LevelPawns.Clear();
    EXPECT_TRUE(Build().empty());
}

}  // namespace
