#pragma once
// Models for the render tests: a box built in code with a template that shows
// it, and small MS3D files of one triangle and any number of like materials.

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/model.h"
#include "world/pawn.h"

// A box from -h to +h on each axis with one lit grey material, textured with
// a 2 x 2 checker when `textured` (which needs a current context).
inline Model MakeBox(float h, bool textured) {
    Model box;
    box.materials.push_back({{0.3f, 0.3f, 0.3f, 1}, {0.8f, 0.8f, 0.8f, 1}, {}, {}, 0, 0, ""});
    if (textured) {
        const unsigned char pixels[12] = {255, 255, 255, 200, 60, 60, 200, 60, 60, 255, 255, 255};
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        box.materials[0].texture = static_cast<int>(name);
    }
    for (int i = 0; i < 8; ++i)
        box.vertices.push_back({{i & 1 ? h : -h, i & 2 ? h : -h, i & 4 ? h : -h}});
    // Each face counter-clockwise seen from outside, with its normal; two
    // triangles a face.
    const int faces[6][4] = {{4, 5, 7, 6}, {1, 0, 2, 3}, {5, 1, 3, 7},
                             {0, 4, 6, 2}, {6, 7, 3, 2}, {0, 1, 5, 4}};
    const float normals[6][3] = {{0, 0, 1},  {0, 0, -1}, {1, 0, 0},
                                 {-1, 0, 0}, {0, 1, 0},  {0, -1, 0}};
    const int corners[2][3] = {{0, 1, 2}, {0, 2, 3}};
    box.groups.push_back({0, 12, {}});
    for (int f = 0; f < 12; ++f) {
        ModelTriangle triangle;
        for (int k = 0; k < 3; ++k) {
            const int corner = corners[f % 2][k];
            triangle.vertexIndices[k] = faces[f / 2][corner];
            std::copy(normals[f / 2], normals[f / 2] + 3, triangle.normals[k]);
            triangle.s[k] = corner == 1 || corner == 2 ? 1.0f : 0.0f;
            triangle.t[k] = corner >= 2 ? 1.0f : 0.0f;
        }
        box.groups[0].triangleIndices.push_back(f);
        box.triangles.push_back(triangle);
    }
    return box;
}

// A one-frame template whose single part draws model slot 0.
inline std::unique_ptr<PawnTemplate> MakeTemplate(const Transform& transform = Transform()) {
    auto kind = std::make_unique<PawnTemplate>();
    LinkedList<FramePart> frame;
    frame.PushBack(FramePart{"part", transform, 0});
    kind->Frames.PushBack(frame);
    kind->ModelRefList.PushBack(0);
    return kind;
}

struct Ms3dRecipe {
    int32_t version = 4;
    float t[3] = {0.25f, 0.5f, 1.0f};
    int8_t materialIndex = -1;
    uint16_t materialCount = 0;
    std::string textureName;  // a name of 128 bytes is written without terminator
};

inline std::string MakeMs3d(const Ms3dRecipe& recipe) {
    std::string out = "MS3D000000";
    auto raw = [&out](const void* data, size_t size) {
        out.append(static_cast<const char*>(data), size);
    };
    auto u16 = [&raw](uint16_t v) { raw(&v, 2); };
    auto f32 = [&raw](float v) { raw(&v, 4); };
    raw(&recipe.version, 4);
    u16(3);
    for (int v = 0; v < 3; ++v) {
        out += '\0';
        f32(v == 1 ? 10.0f : 0.0f), f32(v == 2 ? 10.0f : 0.0f), f32(0.0f);
        out += std::string("\xFF\0", 2);
    }
    u16(1), u16(0), u16(0), u16(1), u16(2);  // triangle count, flags, corners
    for (int i = 0; i < 9; ++i)
        f32(i % 3 == 2 ? 1.0f : 0.0f);
    f32(0.0f), f32(0.5f), f32(1.0f);
    raw(recipe.t, 12);
    out += std::string("\1\0", 2);
    u16(1), out += '\0', out += std::string(32, 'g'), u16(1), u16(0);  // one group of triangle 0
    raw(&recipe.materialIndex, 1);
    u16(recipe.materialCount);
    for (int m = 0; m < recipe.materialCount; ++m) {
        out += std::string(32, 'm');
        for (int i = 0; i < 18; ++i)
            f32(i == 16 ? 25.0f : 0.5f);  // colours, shininess, transparency
        out += '\0';
        std::string name = recipe.textureName.substr(0, 128);
        out += name + std::string(128 - name.size(), '\0');
        out += std::string(128, 'X');  // the alpha map name, unterminated as well
    }
    return out;
}
