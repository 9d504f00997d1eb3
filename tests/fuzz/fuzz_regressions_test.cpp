// Every input kept under tests/fuzz/regressions/<target>/ runs again through its
// target: each must now be read or refused, never crash or hang.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_targets.h"

namespace fs = std::filesystem;

TEST(FuzzRegressions, EveryKeptInputIsReadOrRefused) {
    const fs::path kept = fs::path(KORVATH_SOURCE_DIR) / "tests" / "fuzz" / "regressions";
    int inputs = 0;
    for (const auto& target : fs::directory_iterator(kept)) {
        FuzzFunction run = FuzzTarget(target.path().filename().string());
        ASSERT_NE(run, nullptr) << "no fuzz target named " << target.path().filename();
        for (const auto& input : fs::directory_iterator(target.path())) {
            std::ifstream file(input.path(), std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
            SCOPED_TRACE(input.path().string());
            EXPECT_EQ(run(bytes.data(), bytes.size()), 0);
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}
