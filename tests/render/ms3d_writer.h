#pragma once
// Small MS3D files built in memory: three vertices, one triangle, one group
// and any number of identical materials; and writing bytes to a file.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

struct Ms3dRecipe {
    int32_t version = 4;
    float t[3] = {0.25f, 0.5f, 1.0f};
    int8_t materialIndex = -1;
    uint16_t materialCount = 0;
    std::string textureName;  // a name of 128 bytes is written without terminator
};

inline std::string WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

inline std::vector<unsigned char> MakeMs3d(const Ms3dRecipe& recipe) {
    std::vector<unsigned char> out;
    auto raw = [&out](const void* data, size_t size) {
        const unsigned char* p = static_cast<const unsigned char*>(data);
        out.insert(out.end(), p, p + size);
    };
    auto u16 = [&raw](uint16_t v) { raw(&v, 2); };
    auto f32 = [&raw](float v) { raw(&v, 4); };
    auto fill = [&out](unsigned char value, size_t count) { out.insert(out.end(), count, value); };
    raw("MS3D000000", 10);
    raw(&recipe.version, 4);
    u16(3);
    for (int v = 0; v < 3; ++v) {
        fill(0, 1);
        f32(v == 1 ? 10.0f : 0.0f), f32(v == 2 ? 10.0f : 0.0f), f32(0.0f);
        fill(255, 1), fill(0, 1);
    }
    u16(1), u16(0), u16(0), u16(1), u16(2);  // triangle count, flags, corners
    for (int i = 0; i < 9; ++i)
        f32(i % 3 == 2 ? 1.0f : 0.0f);
    f32(0.0f), f32(0.5f), f32(1.0f);
    raw(recipe.t, 12);
    fill(1, 1), fill(0, 1);
    u16(1), fill(0, 1), fill('g', 32), u16(1), u16(0);  // one group of triangle 0
    raw(&recipe.materialIndex, 1);
    u16(recipe.materialCount);
    for (int m = 0; m < recipe.materialCount; ++m) {
        fill('m', 32);
        for (int i = 0; i < 18; ++i)
            f32(i == 16 ? 25.0f : 0.5f);  // colours, shininess, transparency
        fill(0, 1);
        std::string name = recipe.textureName.substr(0, 128);
        raw(name.data(), name.size());
        fill(0, 128 - name.size());
        fill('X', 128);  // the alpha map name, unterminated as well
    }
    return out;
}
