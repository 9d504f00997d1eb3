#include "game/draw_list.h"

#include <gtest/gtest.h>

#include <vector>

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

    // Relative to the view's centre (100, 40); returns the pawn's place in the level.
    size_t Add(PawnTemplate* t, float dx, float dy, float opacity = 100.0f, int type = 0) {
        position.LevelPawns.push_back(Pawn(t, 100.0f + dx, 40.0f + dy));
        position.LevelPawns.back().Placement.opacity = opacity;
        position.LevelPawns.back().Type = type;
        return position.LevelPawns.size() - 1;
    }
    // The places in the level of the pawns drawn, in drawing order.
    std::vector<size_t> Build() {
        DrawList list;
        BuildDrawList(position, -100.0f, -40.0f, &list);
        std::vector<size_t> order;
        for (const Pawn* pawn : list)
            order.push_back(static_cast<size_t>(pawn - position.LevelPawns.data()));
        return order;
    }

    Position position;
    PawnTemplate still, explosion, wide, animated;
};

TEST_F(DrawListTest, CullingBoxBoundaries) {
    size_t right = Add(&still, 220, 0);
    size_t below = Add(&still, -220, -200);
    Add(&still, 221, 0);
    Add(&still, 0, -201);
    size_t above = Add(&still, 0, 160);
    Add(&still, 0, 161);
    size_t wideIn = Add(&wide, -280, 5000);
    Add(&wide, 281, 0);
    size_t fixed = Add(&still, 9000, -9000, 100.0f, kFixedPawn);
    EXPECT_EQ(Build(), (std::vector<size_t>{fixed, wideIn, above, below, right}));
}

TEST_F(DrawListTest, OpaqueStillPawnsFirstThenTranslucentThenExplosions) {
    size_t boom1 = Add(&explosion, 5000, 5000);
    size_t opaque = Add(&still, 0, 0);
    size_t faint = Add(&still, 0, 0, 99.5f);
    size_t negative = Add(&still, 0, 0, -5.0f);
    size_t clear = Add(&still, 0, 0, 0.0f);
    size_t moving = Add(&animated, 0, 0);
    size_t boom2 = Add(&explosion, 0, 0, 50.0f, kFixedPawn);
    EXPECT_EQ(Build(), (std::vector<size_t>{clear, opaque, faint, negative, moving, boom1, boom2}));
    position.LevelPawns.clear();
    EXPECT_TRUE(Build().empty());
}

}  // namespace
