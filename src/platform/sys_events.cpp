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

void Sys_AcceptDialog() {
    const Dialog* dialog = Sys_ShownDialog();
    const int highlight = Sys_DialogHighlight();
    Sys_CloseDialog();
    if (dialog && dialog->choices && !dialog->choices->empty())
        Sys_PushEvent({EventType::Command, dialog->choiceCommand + highlight});
}

namespace {

// A dialog's default button, OK, is Enter; a list's highlight moves with Up
// and Down, and Escape cancels it.
void DialogKey(int key) {
    const bool list = Sys_ShownDialog()->choices != nullptr;
    if (key == kKeyReturn)
        Sys_AcceptDialog();
    else if (list && key == kKeyEscape)
        Sys_CloseDialog();
    else if (list && (key == kKeyUp || key == kKeyDown))
        Sys_HighlightChoice(Sys_DialogHighlight() + (key == kKeyUp ? -1 : 1));
}

}  // namespace

// With Alt held, F4 closes the window and Enter switches full screen; no Alt
// key reaches the game, nor any key while a dialog is open.
void Sys_DeliverKey(int key, bool down, bool repeat, bool alt) {
    if (key <= 0 || key >= kKeyCodeCount)
        return;
    if (Sys_KeyObserver)
        Sys_KeyObserver(key, down, repeat);
    if (Sys_ShownDialog() && down && !alt)
        DialogKey(key);
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
