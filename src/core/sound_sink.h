#pragma once
// Where the game's rules and flow send their sounds: the four operations on
// a sound slot (core/sound_names.h). The game plays through the sound slots;
// a program that plays without sound (the solver, the level tool) passes
// the silent sink.

class SoundSink {
  public:
    virtual ~SoundSink() = default;
    // Replaces the slot's sound with the file's; a file that cannot be read
    // leaves the slot as it was.
    virtual void Load(int slot, const char* path) = 0;
    virtual void PlayOnce(int slot) = 0;  // a sound still playing is left alone
    virtual void PlayLooping(int slot) = 0;
    virtual void Stop(int slot) = 0;
};

class SilentSoundSink : public SoundSink {
  public:
    void Load(int, const char*) override {}
    void PlayOnce(int) override {}
    void PlayLooping(int) override {}
    void Stop(int) override {}
};
