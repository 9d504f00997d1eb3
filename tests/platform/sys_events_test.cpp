// Input on the headless back end, as the desktop would deliver it, and the
// events it turns into; the window's GL formats.

#include "platform/sys_events.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/keys.h"
#include "platform/sys_dialog.h"
#include "platform/sys_gl.h"
#include "platform/sys_headless.h"
#include "platform/sys_internal.h"
#include "platform/sys_main.h"
#include "platform/sys_video.h"

namespace {

const Dialog kDialog = {"Test", 100, 50, 5, 5, "Line one\nLine two", 25, 30, 50, 14, nullptr, 0};

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
    Sys_DeliverKey(kKeyCodeCount, true);
    Sys_DeliverKey(-1, true);
    Sys_DeliverKey(0, true);
    Sys_DeliverKey(kKeyLeft, true);
    Sys_DeliverKey(kKeyLeft, true, true);  // auto-repeat
    Sys_DeliverKey(kKeyLeft, false);
    EXPECT_EQ(Drain(), (std::vector<std::string>{Key(EventType::KeyDown, kKeyLeft),
                                                 Key(EventType::KeyDown, kKeyLeft),
                                                 Key(EventType::KeyUp, kKeyLeft)}));
}

TEST_F(SysEventsTest, WithAltHeldKeysBelongToTheWindow) {
    Sys_DeliverKey(kKeyRight, true, false, true);
    Sys_DeliverKey(kKeyReturn, true, false, true);  // full screen, where there is a screen
    EXPECT_TRUE(Drain().empty());
    Sys_DeliverKey(kKeyF4, true, false, true);
    EXPECT_EQ(Drain(), (std::vector<std::string>{Key(EventType::Close, 0)}));
}

TEST_F(SysEventsTest, AnOpenDialogTakesEveryKeyAndOnlyEnterClosesIt) {
    Sys_OpenDialog(&kDialog);
    for (int key : {int(kKeyEscape), int(kKeySpace), int(kKeyF4)})
        Sys_DeliverKey(key, true, false, key == kKeyF4);
    EXPECT_TRUE(Sys_ShownDialog());
    Sys_DeliverKey(kKeyReturn, true);
    EXPECT_FALSE(Sys_ShownDialog());
    EXPECT_TRUE(Drain().empty());
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_TRUE(Headless_Shown()[0].dialog);
    EXPECT_EQ(Headless_Shown()[0].caption, "Test");
    Sys_MessageBox("Boom", "ERROR", BoxIcon::Error);  // recorded, answered at once
    ASSERT_EQ(Headless_Shown().size(), 2u);
    EXPECT_TRUE(Headless_Shown()[1].error);
}

// A list: Up and Down move the highlight within it, Escape closes it with
// nothing chosen, Enter carries out the highlighted choice's command.
TEST_F(SysEventsTest, AListDialogMovesItsHighlightAndCarriesOutTheChoice) {
    const std::vector<std::string> choices = {"one", "two", "three"};
    Dialog list = kDialog;
    list.choices = &choices;
    list.choiceCommand = 500;
    Sys_OpenDialog(&list, 1);
    for (int key : {kKeyUp, kKeyUp, kKeyDown, kKeyDown, kKeyDown, kKeySpace})
        Sys_DeliverKey(key, true);
    EXPECT_EQ(Sys_DialogHighlight(), 2);
    Sys_DeliverKey(kKeyEscape, true);
    EXPECT_FALSE(Sys_ShownDialog());
    EXPECT_TRUE(Drain().empty());
    Sys_OpenDialog(&list, 7);
    Sys_DeliverKey(kKeyUp, true);
    Sys_DeliverKey(kKeyReturn, true);
    EXPECT_FALSE(Sys_ShownDialog());
    EXPECT_EQ(Drain(), (std::vector<std::string>{Key(EventType::Command, 501)}));
}

// Every key and scancode maps inside the table of held keys; the game's keys
// and the gamepad's buttons map to the keys the rules read.
TEST(SysKeymapTest, KeysAndPadButtonsMapInsideTheKeyTable) {
    for (const auto& [sdl, key] : {std::pair<SDL_Keycode, int>{SDLK_LEFT, kKeyLeft},
                                   {SDLK_SPACE, kKeySpace},
                                   {SDLK_x, kKeyX},
                                   {SDLK_a, 'A'}})
        EXPECT_EQ(Sys_KeyFromSDL(sdl), key) << sdl;
    for (SDL_Keycode key = 0; key < 0x10000; ++key)
        ASSERT_LT(static_cast<unsigned>(Sys_KeyFromSDL(key)), unsigned(kKeyCodeCount)) << key;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        int key = Sys_KeyFromSDL(SDL_SCANCODE_TO_KEYCODE(scancode));
        ASSERT_LT(static_cast<unsigned>(key), unsigned(kKeyCodeCount)) << scancode;
    }
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN), kKeyDown);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_A), kKeySpace);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_B), kKeyX);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_START), 0);
}

// Sample counts beyond the driver's are refused in the GL window's tests.
TEST(SysGLTest, SoftwareRasteriserRefusesAcceleratedFormats) {
    HeadlessOptions options;
    options.gl = true;
    Sys_StartHeadless(options);
    if (!Sys_OpenWindow("", 4, 4, PixelFormat())) {
        Sys_Stop();
        GTEST_SKIP() << "no GL on this machine";
    }
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    PixelFormat accelerated;
    accelerated.accelerated = true;
    const bool available = Sys_GLFormatAvailable(accelerated);
    Sys_Stop();
    if (renderer.find("llvmpipe") == std::string::npos)
        GTEST_SKIP() << "not Mesa's software rasteriser: " << renderer;
    EXPECT_FALSE(available);
}

}  // namespace
