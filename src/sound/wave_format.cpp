// The format record: tag (16 bits), channels (16), samples per second (32),
// average bytes per second (32), block align (16), bits per sample (16), then
// optionally the extra size (16) and, for the extensible form, valid bits
// (16), channel mask (32) and the sub-format GUID, whose first 16 bits are
// the real tag.

#include "sound/wave_format.h"

#include <cstring>

namespace {

constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagFloat = 3;
constexpr uint16_t kTagExtensible = 0xFFFE;
constexpr uint32_t kExtensibleBytes = 40;

// The sub-format GUID after its first 4 bytes, shared by every tag-based sub-format.
constexpr uint8_t kSubFormatTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                        0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t ReadLittle16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadLittle32(const uint8_t* p) {
    return ReadLittle16(p) | (static_cast<uint32_t>(ReadLittle16(p + 2)) << 16);
}

// The tag of an extensible record's sub-format, or 0 when the record is short or odd.
uint16_t SubFormatTag(const uint8_t* wavHeader, uint32_t headerLength) {
    if (headerLength < kExtensibleBytes || ReadLittle16(wavHeader + 16) < 22)
        return 0;
    const uint8_t* guid = wavHeader + 24;
    if (ReadLittle16(guid + 2) != 0 || std::memcmp(guid + 4, kSubFormatTail, 12) != 0)
        return 0;
    return ReadLittle16(guid);
}

Sys_SampleEncoding EncodingOf(uint16_t tag) {
    if (tag == kTagPcm)
        return Sys_SampleEncoding::Pcm;
    if (tag == kTagFloat)
        return Sys_SampleEncoding::Float;
    return Sys_SampleEncoding::Unsupported;
}

}  // namespace

Sys_AudioFormat ReadWaveFormat(const uint8_t* wavHeader, uint32_t headerLength) {
    uint16_t tag = ReadLittle16(wavHeader);
    if (tag == kTagExtensible)
        tag = SubFormatTag(wavHeader, headerLength);
    Sys_AudioFormat format;
    format.encoding = EncodingOf(tag);
    format.channels = ReadLittle16(wavHeader + 2);
    format.sampleRate = ReadLittle32(wavHeader + 4);
    format.bitsPerSample = ReadLittle16(wavHeader + 14);
    return format;
}
