// The desktop back end: SDL2 window events, clock and message boxes.

#include <SDL.h>

#include <cstdio>

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_main.h"
#include "platform/sys_native.h"

namespace {

WPARAM MouseButtonFlags(Uint32 buttons) {
    WPARAM flags = 0;
    if (buttons & SDL_BUTTON_LMASK)
        flags |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK)
        flags |= MK_RBUTTON;
    return flags;
}

UINT ButtonMessage(const SDL_MouseButtonEvent& button) {
    bool left = button.button == SDL_BUTTON_LEFT;
    if (button.type == SDL_MOUSEBUTTONUP)
        return left ? WM_LBUTTONUP : WM_RBUTTONUP;
    if (button.clicks == 2)
        return left ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
    return left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
}

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    HWND window = Native_WindowFromId(event.windowID);
    if (!window)
        return;
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            Sys_DeliverClose(window);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Sys_DeliverResize(window, event.data1, event.data2);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            InvalidateRect(window, nullptr, false);
            break;
        default:
            break;
    }
}

void TranslateMouseEvent(const SDL_Event& event) {
    HWND top = Sys_MainWindow();
    int menuBar = Sys_MenuBarHeight(top);
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    if (event.type == SDL_MOUSEWHEEL) {
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        WPARAM delta = static_cast<WPARAM>(static_cast<uint16_t>(event.wheel.y * 120)) << 16;
        Sys_DeliverMouse(top, WM_MOUSEWHEEL, x, y, MouseButtonFlags(buttons) | delta);
    } else if (event.type == SDL_MOUSEMOTION && event.motion.y >= menuBar) {
        Sys_DeliverMouse(top, WM_MOUSEMOVE, event.motion.x, event.motion.y - menuBar,
                         MouseButtonFlags(buttons));
    } else if (event.type != SDL_MOUSEMOTION && event.button.y >= menuBar &&
               (event.button.button == SDL_BUTTON_LEFT ||
                event.button.button == SDL_BUTTON_RIGHT)) {
        Sys_DeliverMouse(top, ButtonMessage(event.button), event.button.x, event.button.y - menuBar,
                         MouseButtonFlags(buttons));
    }
}

void TranslateKeyEvent(const SDL_KeyboardEvent& key) {
    int virtualKey = Sys_VirtualKeyFromSDL(key.keysym.sym);
    bool alt = (key.keysym.mod & KMOD_ALT) != 0;
    Sys_DeliverKey(virtualKey, key.type == SDL_KEYDOWN, key.repeat != 0, alt);
}

void TranslatePadEvent(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        SDL_GameControllerOpen(event.cdevice.which);
        return;
    }
    int virtualKey = Sys_VirtualKeyFromPadButton(event.cbutton.button);
    Sys_DeliverKey(virtualKey, event.type == SDL_CONTROLLERBUTTONDOWN, false, false);
}

void Translate(const SDL_Event& event) {
    bool menuTookIt = UI_ProcessEvent(&event);
    switch (event.type) {
        case SDL_QUIT:
            Sys_DeliverClose(Sys_MainWindow());
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKeyEvent(event.key);
            break;
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
            if (!menuTookIt)
                TranslateMouseEvent(event);
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            TranslatePadEvent(event);
            break;
        default:
            break;
    }
}

class DesktopBackend : public SysBackend {
  public:
    uint32_t Ticks() override { return SDL_GetTicks(); }

    void PumpEvents() override {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            Translate(event);
    }

    void WaitEvents(uint32_t timeoutMs) override {
        SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    }

    void Sleep(uint32_t ms) override { SDL_Delay(ms); }

    int MessageBox(const char* text, const char* caption, unsigned type) override {
        HWND main = Sys_MainWindow();
        SDL_Window* parent = main && main->surface ? main->surface->window : nullptr;
        Uint32 flags = (type & MB_ICONHAND) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
        if (SDL_ShowSimpleMessageBox(flags, caption, text, parent) != 0)
            std::fprintf(stderr, "%s: %s\n", caption, text);
        UI_WantFrames();
        return IDOK;
    }

    void DialogShown(const DialogResource& /*dialog*/) override {}
    void DialogIdle(HWND /*dialog*/) override {}
    bool HasGL() const override { return true; }
    bool ScriptedPointer() const override { return false; }
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
