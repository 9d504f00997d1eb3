#include "game/draw_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "world/level.h"

namespace {

std::vector<Pawn*> Drawn() {
    std::vector<Pawn*> pawns;
    for (LLNode<Pawn*>* node = DrawList.head; node; node = node->next)
        pawns.push_back(node->data);
    return pawns;
}

bool IsDrawn(const Pawn* pawn) {
    for (LLNode<Pawn*>* node = DrawList.head; node; node = node->next)
        if (node->data == pawn)
            return true;
    return false;
}

class DrawListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        explosion.ID = 21;
        wide.ID = 30;
        animated.Frames.PushBack(LinkedList<FramePart>());
        animated.Frames.PushBack(LinkedList<FramePart>());
    }
    void TearDown() override {
        DrawList.Clear();
        LevelPawns.Clear();
    }

    // Camera centred on (100, 40): its translation is (-100, -40).
    void Build() { BuildDrawList(-100.0f, -40.0f); }

    Pawn* Add(PawnTemplate* t, float dx, float dy, float opacity = 100.0f, int type = 0) {
        LevelPawns.PushBack(Pawn(t, 100.0f + dx, 40.0f + dy));
        LevelPawns.Last().Placement.opacity = opacity;
        LevelPawns.Last().Type = type;
        return &LevelPawns.Last();
    }

    PawnTemplate still, explosion, wide, animated;
};

TEST_F(DrawListTest, CullingBoxBoundaries) {
    Pawn* right = Add(&still, 220, 0);
    Pawn* left = Add(&still, -220, 0);
    Pawn* tooFar = Add(&still, 221, 0);
    Pawn* below = Add(&still, 0, -200);
    Pawn* tooLow = Add(&still, 0, -201);
    Pawn* above = Add(&still, 0, 160);
    Pawn* tooHigh = Add(&still, 0, 161);
    Pawn* wideIn = Add(&wide, -280, 5000);
    Pawn* wideOut = Add(&wide, 281, 0);
    Pawn* fixed = Add(&still, 9000, -9000, 100.0f, 1);
    Pawn* hidden = Add(&still, 0, 0);
    hidden->Visible = false;
    Build();
    for (Pawn* in : {right, left, below, above, wideIn, fixed, hidden})
        EXPECT_TRUE(IsDrawn(in)) << in - &LevelPawns[0];
    for (Pawn* out : {tooFar, tooLow, tooHigh, wideOut})
        EXPECT_FALSE(IsDrawn(out));
}

TEST_F(DrawListTest, OpaqueStillPawnsFirstThenTranslucentThenExplosions) {
    Pawn* boom1 = Add(&explosion, 5000, 5000);
    Pawn* opaque1 = Add(&still, 0, 0);
    Pawn* faint = Add(&still, 0, 0, 99.5f);
    Pawn* negative = Add(&still, 0, 0, -5.0f);
    Pawn* clear = Add(&still, 0, 0, 0.0f);
    Pawn* moving = Add(&animated, 0, 0);
    Pawn* bright = Add(&still, 0, 0, 150.0f);
    Pawn* boom2 = Add(&explosion, 0, 0, 50.0f, 1);
    Build();
    EXPECT_EQ(Drawn(),
              (std::vector<Pawn*>{bright, clear, opaque1, faint, negative, moving, boom1, boom2}));
}

TEST_F(DrawListTest, RebuildReplacesThePreviousList) {
    Pawn* pawn = Add(&still, 0, 0);
    Build();
    Build();
    EXPECT_EQ(Drawn(), std::vector<Pawn*>{pawn});
    LevelPawns.Clear();
    Build();
    EXPECT_TRUE(Drawn().empty());
}

}  // namespace
