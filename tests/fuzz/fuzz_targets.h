#pragma once
// What the fuzzers feed with bytes: each function takes one input and runs it
// through a loader the way the game would meet such a file. The fuzzing
// programs (clang's libFuzzer) and the normal suite's replay of the inputs
// that once failed both call these.

#include <cstddef>
#include <cstdint>
#include <string>

int FuzzModel(const uint8_t* data, size_t size);      // the MS3D loader
int FuzzWave(const uint8_t* data, size_t size);       // the WAV chunk walk and the sound load
int FuzzAnimation(const uint8_t* data, size_t size);  // the animation reader
int FuzzStore(const uint8_t* data, size_t size);      // the XML store, templates and a level on it
int FuzzJpeg(const uint8_t* data, size_t size);       // the JPEG decoder

// The function for a target's name ("model", "wave", ...), or null.
using FuzzFunction = int (*)(const uint8_t*, size_t);
FuzzFunction FuzzTarget(const std::string& name);
