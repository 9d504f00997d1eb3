// The headless back end: a virtual clock, input from a script, message boxes
// and dialogs answered OK at once and recorded, GL only when asked for (on
// SDL's offscreen video driver).

#include <cstdlib>
#include <deque>

#include "platform/sys_backend.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "platform/sys_native.h"

namespace {

class HeadlessBackend : public SysBackend {
  public:
    explicit HeadlessBackend(const HeadlessOptions& options)
        : options_(options), clock_(options.startTick) {}

    uint32_t Ticks() override { return clock_; }
    void PumpEvents() override {}

    // Runs the next step of the script; without one, time passes.
    void WaitEvents(uint32_t timeoutMs) override {
        ++waits_;
        if (!steps_.empty()) {
            std::function<void()> step = std::move(steps_.front());
            steps_.pop_front();
            step();
            return;
        }
        if (idle_) {
            idle_(timeoutMs);
            return;
        }
        HWND main = Sys_MainWindow();
        if (options_.closeWhenScriptEnds && main && !Sys_ActiveDialog() && !closed_) {
            closed_ = true;
            Sys_DeliverClose(main);
            return;
        }
        clock_ += timeoutMs;
    }

    void Sleep(uint32_t ms) override { clock_ += ms; }

    int MessageBox(const char* text, const char* caption, unsigned type) override {
        shown_.push_back({text, caption, type, false});
        return IDOK;
    }

    void DialogShown(const DialogResource& dialog) override {
        shown_.push_back({dialog.text, dialog.caption, static_cast<unsigned>(dialog.id), true});
    }

    void DialogIdle(HWND dialog) override {
        if (steps_.empty() && !idle_)
            PostMessage(dialog, WM_COMMAND, IDOK, 0);
    }

    bool HasGL() const override { return options_.gl; }
    bool GLContextsAvailable() const override { return !options_.glUnavailable; }
    bool ScriptedPointer() const override { return true; }

    HeadlessOptions options_;
    uint32_t clock_;
    uint32_t waits_ = 0;
    bool closed_ = false;
    std::deque<std::function<void()>> steps_;
    std::function<void(uint32_t)> idle_;
    std::vector<ShownBox> shown_;
};

HeadlessBackend* Headless() {
    return dynamic_cast<HeadlessBackend*>(Sys_Backend());
}

}  // namespace

void Sys_StartHeadless(const HeadlessOptions& options) {
    if (options.gl) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        Native_EnsureVideo();
    }
    Sys_SetBackend(new HeadlessBackend(options));
}

void Headless_SetClock(uint32_t tick) {
    if (HeadlessBackend* backend = Headless())
        backend->clock_ = tick;
}

void Headless_AdvanceClock(uint32_t ms) {
    if (HeadlessBackend* backend = Headless())
        backend->clock_ += ms;
}

uint32_t Headless_WaitCount() {
    return Headless() ? Headless()->waits_ : 0;
}

void Headless_AddStep(std::function<void()> step) {
    if (HeadlessBackend* backend = Headless())
        backend->steps_.push_back(std::move(step));
}

void Headless_SetIdleHandler(std::function<void(uint32_t timeoutMs)> handler) {
    if (HeadlessBackend* backend = Headless())
        backend->idle_ = std::move(handler);
}

size_t Headless_StepsLeft() {
    return Headless() ? Headless()->steps_.size() : 0;
}

void Headless_Key(int virtualKey, bool down, bool repeat, bool alt) {
    Sys_DeliverKey(virtualKey, down, repeat, alt);
}

void Headless_Close() {
    Sys_DeliverClose(Sys_MainWindow());
}

void Headless_Mouse(int x, int y, bool down) {
    UI_ScriptPointer(x, y, down);
    HWND main = Sys_MainWindow();
    int clientY = y - Sys_MenuBarHeight(main);
    if (clientY >= 0)
        Sys_DeliverMouse(main, WM_MOUSEMOVE, x, clientY, down ? WPARAM(MK_LBUTTON) : WPARAM(0));
}

void Headless_PressDialogButton(int buttonId) {
    if (HWND dialog = Sys_ActiveDialog())
        PostMessage(dialog, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
}

const std::vector<ShownBox>& Headless_Shown() {
    static const std::vector<ShownBox> none;
    return Headless() ? Headless()->shown_ : none;
}
