#include <gtest/gtest.h>

#include <cstdio>

#include "platform/sys_dialog.h"

namespace {

void FirstHook() {
    std::fputs("first hook\n", stderr);
}

void SecondHook() {
    std::fputs("second hook\n", stderr);
}

TEST(SysExitDeathTest, ExitRunsTheHooksNewestFirstAndKeepsTheStatus) {
    EXPECT_EXIT(
        {
            Sys_AtExit(FirstHook);
            Sys_AtExit(SecondHook);
            Sys_ExitProcess(3);
        },
        ::testing::ExitedWithCode(3), "second hook\nfirst hook");
}

}  // namespace
