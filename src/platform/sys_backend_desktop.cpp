// The desktop back end: SDL2's events, clock and message boxes.

#include <cstdio>

#include "platform/sys_internal.h"
#include "platform/sys_main.h"

namespace {

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            return Sys_PostClose();
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            return Sys_DeliverResize(event.data1, event.data2);
        case SDL_WINDOWEVENT_EXPOSED:
            return Sys_WantPaint(1);
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return Sys_PushEvent({EventType::Focus, event.event == SDL_WINDOWEVENT_FOCUS_GAINED});
        default:
            return;
    }
}

void TranslateKey(const SDL_KeyboardEvent& key) {
    Sys_DeliverKey(Sys_KeyFromSDL(key.keysym.sym), key.type == SDL_KEYDOWN, key.repeat != 0,
                   (key.keysym.mod & KMOD_ALT) != 0);
}

void Translate(const SDL_Event& event) {
    UI_ProcessEvent(event);
    switch (event.type) {
        case SDL_QUIT:
            return Sys_PostClose();
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window);
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return TranslateKey(event.key);
        case SDL_CONTROLLERDEVICEADDED:
            SDL_GameControllerOpen(event.cdevice.which);
            return;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            return Sys_DeliverKey(Sys_KeyFromPadButton(event.cbutton.button),
                                  event.type == SDL_CONTROLLERBUTTONDOWN, false, false);
        default:
            return;
    }
}

class DesktopBackend : public SysBackend {
  public:
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
        if (SDL_ShowSimpleMessageBox(flags, caption, text, Sys_SdlWindow()) != 0)
            std::fprintf(stderr, "%s: %s\n", caption, text);
    }
};

}  // namespace

bool Sys_StartDesktop() {
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);  // no gamepads is fine
    Sys_SetBackend(new DesktopBackend);
    return true;
}
