#include <gtest/gtest.h>

#include "core/keys.h"
#include "platform/sys_internal.h"

namespace {

TEST(SysKeymapTest, KeysHaveTheirCodes) {
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_LEFT), 0x25);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_UP), 0x26);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_RIGHT), 0x27);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_DOWN), 0x28);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_SPACE), 0x20);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_x), 0x58);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_a), 'A');
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_9), '9');
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_F4), 0x73);
    EXPECT_EQ(Sys_KeyFromSDL(SDLK_KP_ENTER), 0x0D);
}

TEST(SysKeymapTest, EveryKeyMapsInsideTheKeyTable) {
    for (SDL_Keycode key = 0; key < 0x10000; ++key)
        ASSERT_LT(static_cast<unsigned>(Sys_KeyFromSDL(key)), unsigned(kKeyCodeCount)) << key;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        int key = Sys_KeyFromSDL(SDL_SCANCODE_TO_KEYCODE(scancode));
        ASSERT_LT(static_cast<unsigned>(key), unsigned(kKeyCodeCount)) << scancode;
    }
}

TEST(SysKeymapTest, PadStandsForArrowsSpaceAndX) {
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT), kKeyLeft);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN), kKeyDown);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_A), kKeySpace);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_B), kKeyX);
    EXPECT_EQ(Sys_KeyFromPadButton(SDL_CONTROLLER_BUTTON_START), 0);
}

}  // namespace
