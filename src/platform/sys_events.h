#pragma once
// Input as events: keys as the game's key codes (core/keys.h), menu commands,
// the window closing, focus, resizes and requests to draw.

#include <cstdint>

enum class EventType {
    KeyDown,  // code: the key; auto-repeat sends more of these
    KeyUp,    // code: the key
    Command,  // code: the menu command chosen
    Close,    // the close button, Alt+F4, or the program itself
    Focus,    // code: 1 when the window got the keyboard, 0 when it lost it
    Resize,   // width, height: the new client area
    Paint,    // the picture on screen is stale: draw a frame
};

struct Event {
    EventType type;
    int code = 0;
    int width = 0, height = 0;
};

// Takes the oldest waiting event; false when none waits. A Paint comes only
// when nothing else waits.
bool Sys_PollEvent(Event* event);
// Returns once an event waits or the clock has reached deadline.
void Sys_WaitEvent(uint32_t deadline);
// Input as a back end delivers it; a menu command, or a Close (also the
// program's own way to end), is pushed as an event. Keys outside 1..255 are
// dropped; with Alt held a key is the window's, not the game's; an open
// dialog takes every key.
void Sys_DeliverKey(int key, bool down, bool repeat = false, bool alt = false);
void Sys_PushEvent(const Event& event);
// Closes the open dialog as its OK button does; a list's OK carries out its
// highlighted choice as a Command event.
void Sys_AcceptDialog();

// See every key delivered and every menu command or dialog OK clicked, for a
// recorder; null when nobody listens. A list's Cancel clicked is seen as a
// dialog answer with the command kDialogCancelled; its choice accepted by the
// mouse as the command it carries out.
extern void (*Sys_KeyObserver)(int key, bool down, bool repeat);
extern void (*Sys_CommandObserver)(int command, bool dialogOk);
constexpr int kDialogCancelled = -1;
