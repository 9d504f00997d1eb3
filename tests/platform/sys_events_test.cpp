// Input on the headless back end, as the desktop would deliver it, and the
// events it turns into.

#include "platform/sys_events.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/keys.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"

namespace {

const Dialog kDialog = {"Test", 100, 50, 5, 5, "Line one\nLine two", 25, 30, 50, 14};

class SysEventsTest : public ::testing::Test {
  protected:
    void SetUp() override { Sys_StartHeadless(HeadlessOptions()); }
    void TearDown() override { Sys_Stop(); }
    // Every waiting event as "type:code".
    static std::vector<std::string> Drain() {
        std::vector<std::string> got;
        for (Event event; Sys_PollEvent(&event);)
            got.push_back(std::to_string(static_cast<int>(event.type)) + ":" +
                          std::to_string(event.code));
        return got;
    }
    static std::string Key(EventType type, int key) {
        return std::to_string(static_cast<int>(type)) + ":" + std::to_string(key);
    }
};

TEST_F(SysEventsTest, OnlyKeysInsideTheTableReachTheGame) {
    Headless_Key(kKeyCodeCount, true);
    Headless_Key(-1, true);
    Headless_Key(0, true);
    Headless_Key(kKeyLeft, true);
    Headless_Key(kKeyLeft, true, true);  // auto-repeat
    Headless_Key(kKeyLeft, false);
    EXPECT_EQ(Drain(), (std::vector<std::string>{Key(EventType::KeyDown, kKeyLeft),
                                                 Key(EventType::KeyDown, kKeyLeft),
                                                 Key(EventType::KeyUp, kKeyLeft)}));
}

TEST_F(SysEventsTest, WithAltHeldKeysBelongToTheWindow) {
    Headless_Key(kKeyRight, true, false, true);
    Headless_Key(kKeyReturn, true, false, true);  // full screen, where there is a screen
    EXPECT_TRUE(Drain().empty());
    Headless_Key(kKeyF4, true, false, true);
    EXPECT_EQ(Drain(), (std::vector<std::string>{Key(EventType::Close, 0)}));
}

TEST_F(SysEventsTest, AnOpenDialogTakesEveryKeyAndOnlyEnterClosesIt) {
    Sys_OpenDialog(&kDialog);
    for (int key : {int(kKeyEscape), int(kKeySpace), int(kKeyF4)})
        Headless_Key(key, true, false, key == kKeyF4);
    EXPECT_TRUE(Sys_DialogOpen());
    Headless_Key(kKeyReturn, true);
    EXPECT_FALSE(Sys_DialogOpen());
    EXPECT_TRUE(Drain().empty());
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_TRUE(Headless_Shown()[0].dialog);
    EXPECT_EQ(Headless_Shown()[0].caption, "Test");
    Sys_MessageBox("Boom", "ERROR", BoxIcon::Error);  // recorded, answered at once
    ASSERT_EQ(Headless_Shown().size(), 2u);
    EXPECT_TRUE(Headless_Shown()[1].error);
}

// Time passes only when the program waits with nothing to do, or when told;
// an idle handler decides instead.
TEST_F(SysEventsTest, WaitingLetsTimePassUnlessSomethingWaits) {
    Headless_SetClock(1000);
    Headless_AdvanceClock(27);
    EXPECT_EQ(GetTickCount(), 1027u);
    Headless_Key(kKeyUp, true);
    Sys_WaitEvent(1032);  // a key waits: no time passes
    EXPECT_EQ(GetTickCount(), 1027u);
    Drain();
    Sys_WaitEvent(1032);
    EXPECT_EQ(GetTickCount(), 1032u);
    uint32_t asked = 0;
    Headless_SetIdleHandler([&asked](uint32_t timeoutMs) { asked = timeoutMs; });
    Sys_WaitEvent(1040);
    EXPECT_EQ(asked, 8u);
    EXPECT_EQ(GetTickCount(), 1032u);
}

}  // namespace
