#pragma once
// Finds the sample format and the samples inside a RIFF/WAVE image. The
// image comes from an untrusted file: nothing outside it is ever read,
// whatever its sizes say.

#include <cstddef>
#include <cstdint>

// The "fmt " data must hold at least the 16-byte PCM format record.
constexpr uint32_t kWaveFormatMinBytes = 16;

// Preset to null and zero by the caller; filled by FindWaveChunks.
struct WaveChunks {
    const uint8_t* wavHeader;  // data of the first "fmt " chunk
    uint32_t headerLength;
    const uint8_t* wavData;  // data of the first "data" chunk
    uint32_t wavLength;
};

// True when the image is RIFF/WAVE with a "fmt " and a "data" chunk that both
// lie wholly inside the image. Chunks other than the first of each kind are
// skipped by their size, odd sizes rounded up to even; the walk ends at the
// RIFF size or at the end of the image, whichever comes first.
bool FindWaveChunks(const uint8_t* image, size_t imageSize, WaveChunks* chunks);
