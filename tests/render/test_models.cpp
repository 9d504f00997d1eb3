#include "test_models.h"

#include <GL/gl.h>

namespace {

ModelMaterial GreyMaterial(int texture) {
    ModelMaterial material;
    for (int i = 0; i < 4; ++i) {
        material.ambient[i] = i < 3 ? 0.3f : 1.0f;
        material.diffuse[i] = 0.8f;
        material.specular[i] = 0.0f;
        material.emissive[i] = 0.0f;
    }
    material.texture = texture;
    return material;
}

// Adds the quad a, b, c, d (counter-clockwise seen from outside).
void AddQuad(Model* model, const float (*corners)[3], const int (&quad)[4], const float normal[3]) {
    const int triangles[2][3] = {{quad[0], quad[1], quad[2]}, {quad[0], quad[2], quad[3]}};
    const float s[4] = {0, 1, 1, 0}, t[4] = {0, 0, 1, 1};
    for (const auto& corner : triangles) {
        ModelTriangle triangle;
        for (int k = 0; k < 3; ++k) {
            int base = static_cast<int>(model->vertices.size());
            model->vertices.push_back(
                {{corners[corner[k]][0], corners[corner[k]][1], corners[corner[k]][2]}});
            triangle.vertexIndices[k] = base;
            for (int axis = 0; axis < 3; ++axis)
                triangle.normals[k][axis] = normal[axis];
            int q = corner[k] == quad[0]   ? 0
                    : corner[k] == quad[1] ? 1
                    : corner[k] == quad[2] ? 2
                                           : 3;
            triangle.s[k] = s[q];
            triangle.t[k] = t[q];
        }
        model->groups[0].triangleIndices.push_back(static_cast<int>(model->triangles.size()));
        model->triangles.push_back(triangle);
    }
    model->groups[0].triangleCount = static_cast<int>(model->groups[0].triangleIndices.size());
}

Model EmptyWithMaterial(int texture) {
    Model model;
    model.materials.push_back(GreyMaterial(texture));
    model.groups.push_back(ModelGroup());
    model.groups[0].materialIndex = 0;
    return model;
}

}  // namespace

Model MakeBox(float h, int texture) {
    Model model = EmptyWithMaterial(texture);
    const float c[8][3] = {{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h},
                           {-h, -h, h},  {h, -h, h},  {h, h, h},  {-h, h, h}};
    const int faces[6][4] = {{4, 5, 6, 7}, {1, 0, 3, 2}, {5, 1, 2, 6},
                             {0, 4, 7, 3}, {7, 6, 2, 3}, {0, 1, 5, 4}};
    const float normals[6][3] = {{0, 0, 1},  {0, 0, -1}, {1, 0, 0},
                                 {-1, 0, 0}, {0, 1, 0},  {0, -1, 0}};
    for (int f = 0; f < 6; ++f)
        AddQuad(&model, c, faces[f], normals[f]);
    return model;
}

Model MakeSquare(float h) {
    Model model = EmptyWithMaterial(0);
    const float c[4][3] = {{-h, -h, 0}, {h, -h, 0}, {h, h, 0}, {-h, h, 0}};
    const float normal[3] = {0, 0, 1};
    AddQuad(&model, c, {0, 1, 2, 3}, normal);
    return model;
}

std::unique_ptr<PawnTemplate> MakeTemplate(const Transform& transform) {
    auto kind = std::make_unique<PawnTemplate>();
    FramePart part;
    part.Transform = transform;
    part.ModelRef = 0;
    LinkedList<FramePart> frame;
    frame.PushBack(part);
    kind->Frames.PushBack(frame);
    kind->ModelRefList.PushBack(0);
    return kind;
}

unsigned MakeCheckerTexture() {
    const unsigned char pixels[12] = {255, 255, 255, 200, 60, 60, 200, 60, 60, 255, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return name;
}
