#pragma once
// Inside the platform layer only: what a back end provides.

#include <cstdint>

#include "platform/sys_window_internal.h"

class SysBackend {
  public:
    virtual ~SysBackend() = default;
    virtual uint32_t Ticks() = 0;
    // Turns waiting native input into posted messages.
    virtual void PumpEvents() = 0;
    // Blocks until native input arrives or timeoutMs passes.
    virtual void WaitEvents(uint32_t timeoutMs) = 0;
    // Lets ms pass without looking at input.
    virtual void Sleep(uint32_t ms) = 0;
    virtual int MessageBox(const char* text, const char* caption, unsigned type) = 0;
    // A dialog was opened; and it has nothing to do before the next wait.
    virtual void DialogShown(const DialogResource& dialog) = 0;
    virtual void DialogIdle(HWND dialog) = 0;
    // Whether windows get native surfaces that can carry GL.
    virtual bool HasGL() const = 0;
    // Whether window surfaces can get a GL context at all.
    virtual bool GLContextsAvailable() const { return true; }
    // Whether the menu and dialog pointer comes from the script, not the device.
    virtual bool ScriptedPointer() const = 0;
};

// Null until a back end is started; the platform then falls back to a real
// clock and message boxes printed on the error stream.
SysBackend* Sys_Backend();
// Milliseconds of the steady clock since the first call.
uint32_t Sys_RealTicks();
void Sys_SetBackend(SysBackend* backend);
