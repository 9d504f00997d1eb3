// The RIFF chunk walk. Positions are 64-bit so that no size in the file can
// make them wrap around.

#include "sound/wave_chunks.h"

#include <cstring>

namespace {

uint32_t ReadLittle32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool HasId(const uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

enum class ChunkResult { Continue, Found, Refused };

// Takes one chunk whose data lies wholly inside the image.
ChunkResult TakeChunk(const uint8_t* header, uint32_t size, WaveChunks* chunks) {
    const uint8_t* data = header + 8;
    if (HasId(header, "fmt ") && !chunks->wavHeader) {
        if (size < kWaveFormatMinBytes)
            return ChunkResult::Refused;
        chunks->wavHeader = data;
        chunks->headerLength = size;
        return chunks->wavData && chunks->wavLength != 0 ? ChunkResult::Found
                                                         : ChunkResult::Continue;
    }
    if (HasId(header, "data") && !chunks->wavData) {
        chunks->wavData = data;
        chunks->wavLength = size;
        return chunks->wavHeader ? ChunkResult::Found : ChunkResult::Continue;
    }
    return ChunkResult::Continue;
}

}  // namespace

bool FindWaveChunks(const uint8_t* image, size_t imageSize, WaveChunks* chunks) {
    if (!image || imageSize < 12 || !HasId(image, "RIFF") || !HasId(image + 8, "WAVE"))
        return false;
    uint64_t riffEnd = 8 + static_cast<uint64_t>(ReadLittle32(image + 4));
    uint64_t position = 12;
    while (position < riffEnd && position + 8 <= imageSize) {
        const uint8_t* header = image + position;
        uint32_t size = ReadLittle32(header + 4);
        uint64_t dataEnd = position + 8 + size;
        if (dataEnd > imageSize)
            return false;
        ChunkResult result = TakeChunk(header, size, chunks);
        if (result != ChunkResult::Continue)
            return result == ChunkResult::Found;
        position = dataEnd + (size & 1);
    }
    return false;
}
