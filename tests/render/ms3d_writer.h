#pragma once
// Builds small MS3D files in memory for the loader tests: one triangle over
// three vertices, one group, and optional materials.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct Ms3dBytes {
    std::vector<unsigned char> bytes;

    void Raw(const void* data, size_t size) {
        const unsigned char* p = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), p, p + size);
    }
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v) { Raw(&v, 2); }
    void I32(int32_t v) { Raw(&v, 4); }
    void F32(float v) { Raw(&v, 4); }
    void Fill(uint8_t value, size_t count) { bytes.insert(bytes.end(), count, value); }
};

struct Ms3dSpec {
    int32_t version = 4;
    float t[3] = {0.25f, 0.5f, 1.0f};
    int8_t materialIndex = -1;
    int materialCount = 0;
    std::string textureName;  // written without padding when 128 bytes long
};

inline std::vector<unsigned char> MakeMs3d(const Ms3dSpec& spec) {
    Ms3dBytes out;
    out.Raw("MS3D000000", 10);
    out.I32(spec.version);
    out.U16(3);
    const float corners[3][3] = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}};
    for (const auto& corner : corners) {
        out.U8(0);
        for (float c : corner)
            out.F32(c);
        out.U8(255);
        out.U8(0);
    }
    out.U16(1);
    out.U16(0);
    for (uint16_t v = 0; v < 3; ++v)
        out.U16(v);
    for (int i = 0; i < 9; ++i)
        out.F32(i % 3 == 2 ? 1.0f : 0.0f);
    for (int i = 0; i < 3; ++i)
        out.F32(i * 0.5f);
    for (float t : spec.t)
        out.F32(t);
    out.U8(1);
    out.U8(0);
    out.U16(1);
    out.U8(0);
    out.Fill('g', 32);
    out.U16(1);
    out.U16(0);
    out.U8(static_cast<uint8_t>(spec.materialIndex));
    out.U16(static_cast<uint16_t>(spec.materialCount));
    for (int m = 0; m < spec.materialCount; ++m) {
        out.Fill('m', 32);
        for (int i = 0; i < 16; ++i)
            out.F32(0.5f);
        out.F32(25.0f);
        out.F32(1.0f);
        out.U8(0);
        std::string name = spec.textureName.substr(0, 128);
        out.Raw(name.data(), name.size());
        out.Fill(0, 128 - name.size());
        out.Fill('X', 128);  // alpha map name, not zero-terminated either
    }
    return out.bytes;
}
