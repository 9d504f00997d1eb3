#pragma once
// The platform's back end, chosen at run time: the desktop one (SDL2) for the
// game, or the headless one for tests and the replay tool: a virtual clock,
// scripted input, boxes and dialogs recorded, GL on SDL's offscreen video
// driver when asked for.

bool Sys_StartDesktop();  // false when no display can be had

struct HeadlessOptions {
    bool gl = false;             // a real (offscreen) GL context for the window
    bool glUnavailable = false;  // no GL context at all, as on a machine without GL
};
void Sys_StartHeadless(const HeadlessOptions& options);

void Sys_Stop();  // closes the window and dialog, forgets events, ends the back end
