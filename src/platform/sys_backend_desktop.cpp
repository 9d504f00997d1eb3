// The desktop back end: SDL2's events (keys and gamepad buttons as the
// game's key codes), clock and message boxes.

#include <cstdio>

#include "core/keys.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_internal.h"
#include "platform/sys_main.h"
#include "platform/sys_video.h"

namespace {

// SDL keys and gamepad buttons as the game's key codes; keys that mean
// nothing to the game or its window (Alt, Ctrl, punctuation) have none.
// Shift has one: Shift+Z redoes.
// clang-format off
const int kKeys[][2] = {
    {SDLK_RETURN, kKeyReturn}, {SDLK_KP_ENTER, kKeyReturn}, {SDLK_ESCAPE, kKeyEscape},
    {SDLK_SPACE, kKeySpace},   {SDLK_LEFT, kKeyLeft},       {SDLK_UP, kKeyUp},
    {SDLK_RIGHT, kKeyRight},   {SDLK_DOWN, kKeyDown},       {SDLK_BACKSPACE, kKeyBackspace},
    {SDLK_LSHIFT, kKeyShift},  {SDLK_RSHIFT, kKeyShift},
};
// The d-pad stands for the arrows, A for Space and B for X; the left
// shoulder undoes (Z), the right one redoes (Y), and Y asks for a hint (H).
const int kPadButtons[][2] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kKeyLeft}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kKeyRight},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kKeyUp},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kKeyDown},
    {SDL_CONTROLLER_BUTTON_A, kKeySpace},        {SDL_CONTROLLER_BUTTON_B, kKeyX},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kKeyZ}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kKeyY},
    {SDL_CONTROLLER_BUTTON_Y, kKeyH},
};
// clang-format on

template <size_t N>
int Lookup(const int (&pairs)[N][2], int from) {
    for (const auto& pair : pairs)
        if (pair[0] == from)
            return pair[1];
    return 0;
}

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    bool focused = event.event == SDL_WINDOWEVENT_FOCUS_GAINED;
    if (event.event == SDL_WINDOWEVENT_CLOSE)
        Sys_PushEvent({EventType::Close});
    else if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED)
        Sys_DeliverResize(event.data1, event.data2);
    else if (event.event == SDL_WINDOWEVENT_EXPOSED)
        Sys_WantPaint(1);
    else if (focused || event.event == SDL_WINDOWEVENT_FOCUS_LOST)
        Sys_PushEvent({EventType::Focus, focused});
}

void Translate(const SDL_Event& event) {
    UI_ProcessEvent(event);
    const SDL_KeyboardEvent& key = event.key;
    if (event.type == SDL_QUIT)
        Sys_PushEvent({EventType::Close});
    else if (event.type == SDL_WINDOWEVENT)
        TranslateWindowEvent(event.window);
    else if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
        Sys_DeliverKey(Sys_KeyFromSDL(key.keysym.sym), event.type == SDL_KEYDOWN, key.repeat != 0,
                       (key.keysym.mod & KMOD_ALT) != 0);
    else if (event.type == SDL_CONTROLLERDEVICEADDED)
        SDL_GameControllerOpen(event.cdevice.which);
    else if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP)
        Sys_DeliverKey(Sys_KeyFromPadButton(event.cbutton.button),
                       event.type == SDL_CONTROLLERBUTTONDOWN, false, false);
}

class DesktopBackend : public SysBackend {
  public:
    DesktopBackend() : SysBackend(true, true, false) {}
    uint32_t Ticks() override { return SDL_GetTicks(); }
    void Sleep(uint32_t ms) override { SDL_Delay(ms); }
    void Wait(uint32_t timeoutMs) override {
        SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    }
    void Pump() override {
        for (SDL_Event event; SDL_PollEvent(&event);)
            Translate(event);
    }
    void MessageBox(const char* text, const char* caption, BoxIcon icon) override {
        Uint32 flags = icon == BoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
        if (SDL_ShowSimpleMessageBox(flags, caption, text, SDL_GL_GetCurrentWindow()) != 0)
            std::fprintf(stderr, "%s: %s\n", caption, text);
    }
};

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

bool Sys_StartDesktop() {
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);  // no gamepads is fine
    Sys_SetBackend(new DesktopBackend);
    return true;
}
