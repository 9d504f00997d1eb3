#pragma once
// Little-endian fields read from a byte buffer with every read bounds-checked:
// a read past the end fails, sets failed, and yields zeros.

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader {
  public:
    ByteReader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    bool failed = false;

    // Copies count bytes to out, or fails if fewer remain.
    bool Read(void* out, size_t count) {
        if (failed || count > size_ - position_) {
            failed = true;
            std::memset(out, 0, count);
            return false;
        }
        std::memcpy(out, data_ + position_, count);
        position_ += count;
        return true;
    }

    bool Skip(size_t count) {
        if (failed || count > size_ - position_)
            return !(failed = true);
        position_ += count;
        return true;
    }

    // Whether count more bytes are there, without reading them.
    bool Has(size_t count) const { return !failed && count <= size_ - position_; }

    uint16_t U16() {
        unsigned char b[2];
        Read(b, 2);
        return static_cast<uint16_t>(b[0] | (b[1] << 8));
    }

    int32_t I32() {
        unsigned char b[4];
        Read(b, 4);
        uint32_t u = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
        int32_t value;
        std::memcpy(&value, &u, 4);
        return value;
    }

    float F32() {
        int32_t bits = I32();
        float value;
        std::memcpy(&value, &bits, 4);
        return value;
    }

    void Floats(float* out, int count) {
        for (int i = 0; i < count; ++i)
            out[i] = F32();
    }

    int8_t I8() {
        unsigned char b = 0;
        Read(&b, 1);
        return static_cast<int8_t>(b);
    }

  private:
    const unsigned char* data_;
    size_t size_;
    size_t position_ = 0;
};
