#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/sys_dialog.h"

namespace {

void SayTheStatus() {
    std::fprintf(stderr, "ending with %d\n", Sys_ExitCode());
}

TEST(SysExitDeathTest, HandlersSeeTheStatusTheProgramEndsWith) {
    EXPECT_EXIT(
        {
            std::atexit(SayTheStatus);
            Sys_ExitProcess(3);
        },
        ::testing::ExitedWithCode(3), "ending with 3");
}

}  // namespace
