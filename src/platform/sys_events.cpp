// The event queue, and the rules by which delivered keys become events.

#include <deque>

#include "core/keys.h"
#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_internal.h"

void (*Sys_KeyObserver)(int key, bool down, bool repeat) = nullptr;
void (*Sys_CommandObserver)(int command, bool dialogOk) = nullptr;

namespace {
std::deque<Event> g_queue;
}

void Sys_PushEvent(const Event& event) {
    g_queue.push_back(event);
}

// With Alt held, F4 closes the window and Enter switches full screen; no Alt
// key reaches the game. A dialog's default button, OK, is Enter.
void Sys_DeliverKey(int key, bool down, bool repeat, bool alt) {
    if (key <= 0 || key >= kKeyCodeCount)
        return;
    if (Sys_KeyObserver)
        Sys_KeyObserver(key, down, repeat);
    if (Sys_ShownDialog() && down && !alt && key == kKeyReturn)
        Sys_CloseDialog();
    else if (Sys_ShownDialog() || (alt && !down))
        return;
    else if (alt && key == kKeyF4)
        Sys_PushEvent({EventType::Close});
    else if (alt && key == kKeyReturn)
        Sys_ToggleFullscreen();
    else if (!alt)
        Sys_PushEvent({down ? EventType::KeyDown : EventType::KeyUp, key});
}

bool Sys_PollEvent(Event* event) {
    if (Sys_Backend())
        Sys_Backend()->Pump();
    if (g_queue.empty()) {
        *event = Event{EventType::Paint};
        return Sys_TakePaint();
    }
    *event = g_queue.front();
    g_queue.pop_front();
    return true;
}

void Sys_WaitEvent(uint32_t deadline) {
    int32_t left = static_cast<int32_t>(deadline - GetTickCount());
    if (g_queue.empty() && !Sys_PaintWanted() && left > 0 && Sys_Backend())
        Sys_Backend()->Wait(static_cast<uint32_t>(left));
}
