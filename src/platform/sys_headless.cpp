// The headless back end: a virtual clock, input from the idle handler, boxes
// and dialogs recorded, GL only when asked for (on SDL's offscreen driver).

#include <cstdlib>

#include "platform/sys_dialog.h"
#include "platform/sys_headless.h"
#include "platform/sys_internal.h"
#include "platform/sys_main.h"
#include "platform/sys_process.h"

namespace {

class HeadlessBackend : public SysBackend {
  public:
    explicit HeadlessBackend(const HeadlessOptions& options)
        : SysBackend(options.gl, !options.glUnavailable, true) {}

    uint32_t Ticks() override { return clock_; }
    void Sleep(uint32_t ms) override { clock_ += ms; }
    void Wait(uint32_t timeoutMs) override {
        if (idle_)
            idle_(timeoutMs);
        else
            clock_ += timeoutMs;
    }
    void MessageBox(const char* text, const char* caption, BoxIcon icon) override {
        shown_.push_back({text, caption, false, icon == BoxIcon::Error});
    }
    void DialogShown(const Dialog& dialog) override {
        shown_.push_back({dialog.text, dialog.caption, true, false});
    }

    uint32_t clock_ = 0;
    std::function<void(uint32_t)> idle_;
    std::vector<ShownBox> shown_;
};

HeadlessBackend* Headless() {
    return dynamic_cast<HeadlessBackend*>(Sys_Backend());
}

}  // namespace

void Sys_StartHeadless(const HeadlessOptions& options) {
    if (options.gl) {
#ifndef _WIN32  // Windows has no offscreen GL: its window stays hidden instead
        Sys_SetEnvironmentDefault("SDL_VIDEODRIVER", "offscreen");
#endif
        Sys_EnsureVideo();
    }
    Sys_SetBackend(new HeadlessBackend(options));
}

void Headless_SetClock(uint32_t tick) {
    Headless()->clock_ = tick;
}

void Headless_AdvanceClock(uint32_t ms) {
    Headless()->clock_ += ms;
}

void Headless_SetIdleHandler(std::function<void(uint32_t timeoutMs)> handler) {
    Headless()->idle_ = std::move(handler);
}

// Nothing on the desktop back end, whose boxes a person sees.
const std::vector<ShownBox>& Headless_Shown() {
    static const std::vector<ShownBox> none;
    return Headless() ? Headless()->shown_ : none;
}
