#include "store/store_query.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

StoreQuery Build(const std::string& section, const std::string& key) {
    StoreQuery query;
    BuildStoreQuery(section.c_str(), key.c_str(), &query);
    return query;
}

TEST(StoreQueryTest, ExpressionTextFollowsThePath) {
    StoreQuery pawn = Build("Level3\\Pa*wn2", "xangle");
    EXPECT_STREQ(pawn.expression,
                 "./Section[@label=\"Root\"]/Section[@label=\"Level3\"]"
                 "/Section[@label=\"Pawn2\"]/KeyVal[@Key=\"xangle\"]");
    EXPECT_TRUE(pawn.usable);
    ASSERT_EQ(pawn.sectionStepCount, 2);
    EXPECT_EQ(
        std::string(pawn.expression + pawn.sectionLabels[1].offset, pawn.sectionLabels[1].length),
        "Pawn2");
    EXPECT_EQ(std::string(pawn.expression + pawn.key.offset, pawn.key.length), "xangle");
    for (const char* root : {"", "*"}) {
        StoreQuery query = Build(root, "Count");
        EXPECT_STREQ(query.expression, "./Section[@label=\"Root\"]/KeyVal[@Key=\"Count\"]");
        EXPECT_EQ(query.sectionStepCount, 0);
    }
    StoreQuery trailing = Build("Level1\\", "k");
    EXPECT_STREQ(trailing.expression,
                 "./Section[@label=\"Root\"]/Section[@label=\"Level1\"]/Section[@label=\"\"]"
                 "/KeyVal[@Key=\"k\"]");
    EXPECT_FALSE(trailing.usable);
}

TEST(StoreQueryTest, CutExpressionsAreUnusable) {
    // 24 + 17 + label + 2 + 14 + 1 + 2 characters: a label of 451 fills 511 exactly.
    std::string label(451, 'a');
    StoreQuery exact = Build(label, "k");
    EXPECT_EQ(std::strlen(exact.expression), 511u);
    EXPECT_TRUE(exact.usable);
    StoreQuery over = Build(label + "a", "k");
    EXPECT_EQ(std::strlen(over.expression), 511u);
    EXPECT_FALSE(over.usable);
    StoreQuery longKey = Build("", std::string(600, 'k'));
    EXPECT_EQ(std::strlen(longKey.expression), 511u);
    EXPECT_FALSE(longKey.usable);
    std::string manySteps;
    for (int i = 0; i < 100; ++i)
        manySteps += "s\\";
    StoreQuery deep = Build(manySteps + "s", "k");
    EXPECT_FALSE(deep.usable);
    EXPECT_LE(deep.sectionStepCount, kMaxSectionSteps);
}

}  // namespace
