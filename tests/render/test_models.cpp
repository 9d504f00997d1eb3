#include "test_models.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>

namespace {

int MakeCheckerTexture() {
    const unsigned char pixels[12] = {255, 255, 255, 200, 60, 60, 200, 60, 60, 255, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    return static_cast<int>(name);
}

}  // namespace

Model MakeBox(float h, bool textured) {
    Model box;
    box.materials.push_back({{0.3f, 0.3f, 0.3f, 1}, {0.8f, 0.8f, 0.8f, 1}, {}, {}, 0, 0, ""});
    box.materials[0].texture = textured ? MakeCheckerTexture() : 0;
    box.groups.resize(1);
    box.groups[0].materialIndex = 0;
    for (int i = 0; i < 8; ++i)
        box.vertices.push_back({{i & 1 ? h : -h, i & 2 ? h : -h, i & 4 ? h : -h}});
    // Each face counter-clockwise seen from outside, with its normal.
    const int faces[6][4] = {{4, 5, 7, 6}, {1, 0, 2, 3}, {5, 1, 3, 7},
                             {0, 4, 6, 2}, {6, 7, 3, 2}, {0, 1, 5, 4}};
    const float normals[6][3] = {{0, 0, 1},  {0, 0, -1}, {1, 0, 0},
                                 {-1, 0, 0}, {0, 1, 0},  {0, -1, 0}};
    const float s[4] = {0, 1, 1, 0}, t[4] = {0, 0, 1, 1};
    for (int f = 0; f < 6; ++f)
        for (const auto& corners : {std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 3}}) {
            ModelTriangle triangle;
            for (int k = 0; k < 3; ++k) {
                triangle.vertexIndices[k] = faces[f][corners[k]];
                std::copy(normals[f], normals[f] + 3, triangle.normals[k]);
                triangle.s[k] = s[corners[k]];
                triangle.t[k] = t[corners[k]];
            }
            box.groups[0].triangleIndices.push_back(static_cast<int>(box.triangles.size()));
            box.triangles.push_back(triangle);
        }
    box.groups[0].triangleCount = 12;
    return box;
}

std::unique_ptr<PawnTemplate> MakeTemplate(const Transform& transform) {
    auto kind = std::make_unique<PawnTemplate>();
    LinkedList<FramePart> frame;
    frame.PushBack(FramePart{"part", transform, 0});
    kind->Frames.PushBack(frame);
    kind->ModelRefList.PushBack(0);
    return kind;
}
