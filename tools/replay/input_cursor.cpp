#include "input_cursor.h"

#include "platform/sys_dialog.h"
#include "platform/sys_events.h"

namespace {

void DeliverTimedEvent(const InputEvent& event) {
    switch (event.kind) {
        case InputKind::KeyDown:
        case InputKind::KeyUp:
            return Sys_DeliverKey(event.code, event.kind == InputKind::KeyDown);
        case InputKind::Menu:
            return Sys_PushEvent({EventType::Command, event.code});
        case InputKind::Ok:
            return Sys_AcceptDialog();
        case InputKind::Cancel:
            return Sys_CloseDialog();
        case InputKind::Next:
            return;  // pressed by AfterPass, never by time
    }
}

}  // namespace

void InputCursor::Finish(uint32_t now) {
    ++next_;
    finishedAt_ = now;
}

const InputEvent* InputCursor::TimedTurn() const {
    const InputEvent* event = Turn();
    return event && event->kind != InputKind::Next ? event : nullptr;
}

const InputEvent* InputCursor::PressWaiting() const {
    const InputEvent* event = Turn();
    return event && event->kind == InputKind::Next && !held_ ? event : nullptr;
}

bool InputCursor::DeliverTimed(uint32_t now) {
    bool any = false;
    for (const InputEvent* event; (event = TimedTurn()) && event->time <= now; any = true) {
        DeliverTimedEvent(*event);
        Finish(now);
    }
    return any;
}

// The key event is queued: the main loop sets or clears the key at the top
// of the next pass, before that pass's gameplay tick.
void InputCursor::AfterPass(uint32_t now, bool gameplayTick, bool atRest) {
    if (held_ && gameplayTick) {
        for (int key : Turn()->chord)
            Sys_DeliverKey(key, false);
        held_ = false;
        Finish(now);
    }
    if (const InputEvent* press = PressWaiting(); press && atRest) {
        for (int key : press->chord)
            Sys_DeliverKey(key, true);
        held_ = true;
    }
}
