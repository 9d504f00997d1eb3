#pragma once
// Read-only mapping of a whole file, for loaders that read a file in place
// (WAV samples go from it straight to the audio library). The path is a data
// path, turned into a host path on opening.

#include <cstddef>
#include <cstdint>
#include <string>

struct Sys_MappedFile {
    const uint8_t* data;  // null for an empty file
    size_t size;
};

// Maps the whole file read-only. False when it is missing, unreadable or not a
// regular file. An empty file succeeds with no data and size 0.
// why, when given, says what went wrong ("not found", "is not a regular file").
bool Sys_MapFile(const std::string& dataPath, Sys_MappedFile* file, std::string* why = nullptr);

// Unmaps and clears the view; harmless on an empty or already unmapped view.
void Sys_UnmapFile(Sys_MappedFile* file);
