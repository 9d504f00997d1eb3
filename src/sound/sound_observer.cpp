#include "sound/sound_observer.h"

namespace {

SoundObserver installedObserver;

}  // namespace

SoundObserver SetSoundObserver(SoundObserver observer) {
    SoundObserver previous = installedObserver;
    installedObserver = observer;
    return previous;
}

void NotifySoundObserver(int slot, SoundOp op, const char* file, bool ok) {
    if (installedObserver)
        installedObserver(slot, op, file, ok);
}
