#pragma once
// RIFF/WAVE images built byte by byte for the sound tests.

#include <cmath>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline Bytes Little(uint32_t value, int bytes) {
    Bytes out;
    for (int i = 0; i < bytes; i++)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    return out;
}

// A chunk: id, size, data and, for an odd size, the pad byte.
inline Bytes Chunk(const char* id, const Bytes& data) {
    return Cat({Bytes(id, id + 4), Little(static_cast<uint32_t>(data.size()), 4), data,
                Bytes(data.size() % 2)});
}

// The 16-byte format record.
inline Bytes FormatRecord(uint32_t channels, uint32_t rate, uint32_t bits, uint16_t tag = 1) {
    const uint32_t align = channels * bits / 8;
    return Cat({Little(tag, 2), Little(channels, 2), Little(rate, 4), Little(rate * align, 4),
                Little(align, 2), Little(bits, 2)});
}

// "RIFF", the size of what follows, the form type, then the chunks.
inline Bytes RiffImage(const std::vector<Bytes>& chunks, const char* form = "WAVE") {
    Bytes body(form, form + 4);
    for (const Bytes& chunk : chunks)
        body = Cat({body, chunk});
    return Cat({{'R', 'I', 'F', 'F'}, Little(static_cast<uint32_t>(body.size()), 4), body});
}

// A plain 16-bit mono WAV image of a 440 Hz sine wave.
inline Bytes SineWave16(int frames, uint32_t rate, double amplitude) {
    Bytes samples;
    for (int i = 0; i < frames; i++) {
        double value = amplitude * 32767.0 * std::sin(2.0 * M_PI * 440.0 * i / rate);
        samples.push_back(static_cast<uint8_t>(std::lround(value)));
        samples.push_back(static_cast<uint8_t>(std::lround(value) >> 8));
    }
    return RiffImage({Chunk("fmt ", FormatRecord(1, rate, 16)), Chunk("data", samples)});
}
