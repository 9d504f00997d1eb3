#pragma once
// A script for the headless back end: each step runs when the program would
// otherwise wait for input, as a user at the keyboard would act. Once it has
// run out, an open dialog is answered OK, then the window closed, so that a
// test always ends; after that, time passes.

#include <deque>
#include <functional>
#include <utility>

#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_headless.h"

class HeadlessScript {
  public:
    // The back end must have been started; it must outlive the script's use.
    HeadlessScript() {
        Headless_SetIdleHandler([this](uint32_t timeoutMs) { Next(timeoutMs); });
    }
    HeadlessScript(const HeadlessScript&) = delete;
    HeadlessScript& operator=(const HeadlessScript&) = delete;

    void Add(std::function<void()> step) { steps_.push_back(std::move(step)); }
    size_t StepsLeft() const { return steps_.size(); }

  private:
    void Next(uint32_t timeoutMs) {
        if (!steps_.empty()) {
            std::function<void()> step = std::move(steps_.front());
            steps_.pop_front();
            step();
        } else if (Sys_ShownDialog()) {
            Sys_CloseDialog();
        } else if (!closed_) {
            closed_ = true;
            Sys_PushEvent({EventType::Close});
        } else {
            Headless_AdvanceClock(timeoutMs);
        }
    }

    std::deque<std::function<void()>> steps_;
    bool closed_ = false;
};
