#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/sys_native.h"

namespace {

TEST(SysKeymapTest, GameKeysHaveTheirVirtualKeyCodes) {
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_LEFT), 0x25);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_UP), 0x26);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_RIGHT), 0x27);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_DOWN), 0x28);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_SPACE), 0x20);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_x), 0x58);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_a), 'A');
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_9), '9');
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_F12), 0x7B);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_KP_0), 0x60);
    EXPECT_EQ(Sys_VirtualKeyFromSDL(SDLK_RSHIFT), 0x10);
}

TEST(SysKeymapTest, EveryKeyMapsInsideTheKeyTable) {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        SDL_Keycode key = SDL_SCANCODE_TO_KEYCODE(scancode);
        int virtualKey = Sys_VirtualKeyFromSDL(key);
        EXPECT_GE(virtualKey, 0) << scancode;
        EXPECT_LT(virtualKey, 256) << scancode;
    }
    for (SDL_Keycode key = 0; key < 0x10000; ++key)
        ASSERT_LT(Sys_VirtualKeyFromSDL(key), 256) << key;
}

TEST(SysKeymapTest, PadStandsForArrowsSpaceAndX) {
    EXPECT_EQ(Sys_VirtualKeyFromPadButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT), 0x25);
    EXPECT_EQ(Sys_VirtualKeyFromPadButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN), 0x28);
    EXPECT_EQ(Sys_VirtualKeyFromPadButton(SDL_CONTROLLER_BUTTON_A), 0x20);
    EXPECT_EQ(Sys_VirtualKeyFromPadButton(SDL_CONTROLLER_BUTTON_B), 'X');
    EXPECT_EQ(Sys_VirtualKeyFromPadButton(SDL_CONTROLLER_BUTTON_START), 0);
}

}  // namespace
