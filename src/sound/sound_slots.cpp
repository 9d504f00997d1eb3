#include "sound/sound_slots.h"

#include "sound/sound_observer.h"

SoundEffect SoundEffects[kSoundSlotCount];

namespace {

// Playback is told with the file last loaded, and whether there was a sound to act on.
void NotifyPlayback(int slot, SoundOp op) {
    const SoundEffect& sound = SoundEffects[slot];
    NotifySoundObserver(slot, op, sound.file, sound.buffer != nullptr);
}

class SlotSink : public SoundSink {
  public:
    void Load(int slot, const char* path) override { LoadSlot(slot, path); }
    void PlayOnce(int slot) override { PlaySlotOnce(slot); }
    void PlayLooping(int slot) override { PlaySlotLooping(slot); }
    void Stop(int slot) override { StopSlot(slot); }
};

}  // namespace

void LoadSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++) {
        CreateDevice(&SoundEffects[slot]);
        LoadSlot(slot, kSoundSlots[slot].file);
    }
}

void ReleaseSoundSlots() {
    for (int slot = 0; slot < kSoundSlotCount; slot++)
        ReleaseSound(&SoundEffects[slot]);
    Sys_CloseAudioDevice();
}

bool LoadSlot(int slot, const char* path) {
    bool ok = LoadWave(&SoundEffects[slot], path);
    NotifySoundObserver(slot, SoundOp::Load, path ? path : "", ok);
    return ok;
}

void PlaySlotOnce(int slot) {
    PlayOnce(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::PlayOnce);
}

void PlaySlotLooping(int slot) {
    PlayLooping(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::PlayLooping);
}

void StopSlot(int slot) {
    StopSound(&SoundEffects[slot]);
    NotifyPlayback(slot, SoundOp::Stop);
}

SoundSink& SoundSlotSink() {
    static SlotSink sink;
    return sink;
}
