// SDL keys and gamepad buttons as the key codes the game reads. Keys without
// a meaning to the game or its windows (modifiers, the keypad's operators,
// punctuation) have none.

#include "core/keys.h"
#include "platform/sys_internal.h"

namespace {

struct KeyPair {
    SDL_Keycode key;
    int code;
};

// clang-format off
const KeyPair kKeys[] = {
    {SDLK_RETURN, kKeyReturn}, {SDLK_KP_ENTER, kKeyReturn}, {SDLK_ESCAPE, kKeyEscape},
    {SDLK_SPACE, kKeySpace},   {SDLK_LEFT, kKeyLeft},       {SDLK_UP, kKeyUp},
    {SDLK_RIGHT, kKeyRight},   {SDLK_DOWN, kKeyDown},
};

// The d-pad stands for the arrows, A for Space and B for X.
const KeyPair kPadButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kKeyLeft}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kKeyRight},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kKeyUp},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kKeyDown},
    {SDL_CONTROLLER_BUTTON_A, kKeySpace},        {SDL_CONTROLLER_BUTTON_B, kKeyX},
};
// clang-format on

template <size_t N>
int Lookup(const KeyPair (&pairs)[N], SDL_Keycode key) {
    for (const KeyPair& pair : pairs)
        if (pair.key == key)
            return pair.code;
    return 0;
}

}  // namespace

int Sys_KeyFromSDL(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return kKeyA + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return kKey0 + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return kKeyF1 + (key - SDLK_F1);
    return Lookup(kKeys, key);
}

int Sys_KeyFromPadButton(int button) {
    return Lookup(kPadButtons, button);
}
