#pragma once
// Choosing the platform back end. The real game runs on the desktop back end
// (SDL2: native window, events, GL, clock, message boxes). Tests and the
// replay tool run headless: a virtual clock that only moves when told, input
// from a script, message boxes and dialogs answered OK at once and recorded,
// and GL on hidden offscreen surfaces when asked for.

#include <cstdint>

// Starts the desktop back end; false when no video can be had.
bool Sys_StartDesktop();

struct HeadlessOptions {
    bool gl = false;         // give windows real (offscreen) GL surfaces
    uint32_t startTick = 0;  // what GetTickCount returns at first
    // When the script has run out: a waiting dialog is answered OK, and the
    // main window is asked to close (so a test always ends).
    bool closeWhenScriptEnds = true;
    // No GL context can be had for a window, as on a machine without GL.
    bool glUnavailable = false;
};
void Sys_StartHeadless(const HeadlessOptions& options);

// Destroys every window and class, empties the queue and ends the back end.
void Sys_Stop();
