#pragma once
// The platform's back end, chosen at run time: the desktop one (SDL2's
// window, events, GL, clock and message boxes) for the game, or the headless
// one for tests and the replay tool: a virtual clock that moves only when
// told, input from a script, boxes and dialogs recorded, and GL on SDL's
// offscreen video driver when asked for.

// False when no display can be had.
bool Sys_StartDesktop();

struct HeadlessOptions {
    bool gl = false;             // a real (offscreen) GL context for the window
    bool glUnavailable = false;  // no GL context at all, as on a machine without GL
};
void Sys_StartHeadless(const HeadlessOptions& options);

// Closes the window, forgets waiting events and an open dialog, and ends the
// back end.
void Sys_Stop();
