#pragma once
// Builds RIFF/WAVE images byte by byte for the sound tests, and writes them
// to files.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutLittle(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A chunk: id, size, data and, for an odd size, the pad byte.
inline Bytes Chunk(const char* id, const Bytes& data) {
    Bytes out(id, id + 4);
    PutLittle(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2)
        out.push_back(0);
    return out;
}

// The 16-byte format record.
inline Bytes FormatRecord(int channels, uint32_t rate, int bits, uint16_t tag = 1) {
    Bytes out;
    int align = channels * bits / 8;
    PutLittle(out, tag, 2);
    PutLittle(out, static_cast<uint32_t>(channels), 2);
    PutLittle(out, rate, 4);
    PutLittle(out, rate * static_cast<uint32_t>(align), 4);
    PutLittle(out, static_cast<uint32_t>(align), 2);
    PutLittle(out, static_cast<uint32_t>(bits), 2);
    return out;
}

// "RIFF", the size of what follows, the form type, then the chunks.
inline Bytes RiffImage(const std::vector<Bytes>& chunks, const char* form = "WAVE") {
    Bytes body(form, form + 4);
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes out = {'R', 'I', 'F', 'F'};
    PutLittle(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// 16-bit mono samples of a sine wave.
inline Bytes SineSamples16(int frames, uint32_t rate, double amplitude, double hertz = 440.0) {
    Bytes out;
    for (int i = 0; i < frames; i++) {
        double value = amplitude * 32767.0 * std::sin(2.0 * 3.14159265358979 * hertz * i / rate);
        PutLittle(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))), 2);
    }
    return out;
}

// A plain 16-bit mono WAV image of a sine wave.
inline Bytes SineWave16(int frames, uint32_t rate, double amplitude) {
    return RiffImage({Chunk("fmt ", FormatRecord(1, rate, 16)),
                      Chunk("data", SineSamples16(frames, rate, amplitude))});
}

inline std::string WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}
