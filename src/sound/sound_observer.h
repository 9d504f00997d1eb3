#pragma once
// A process-wide hook that sees every load and playback call on a sound
// slot, whether or not the call had any effect (the replay tool records what
// the game asked to hear).

enum class SoundOp { Load, PlayOnce, PlayLooping, Stop };

// slot: the slot in SoundEffects.
// file: the path being loaded, or for playback the file last loaded ("" if none).
// ok: the load succeeded, or the record had a buffer to act on.
using SoundObserver = void (*)(int slot, SoundOp op, const char* file, bool ok);

// Installs the observer; returns the previous one. Null removes it.
SoundObserver SetSoundObserver(SoundObserver observer);

// Tells the installed observer, if any.
void NotifySoundObserver(int slot, SoundOp op, const char* file, bool ok);
