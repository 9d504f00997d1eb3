// Drawing a Model in immediate mode, one glBegin/glEnd pair per group.

#include <GL/gl.h>

#include <algorithm>

#include "render/list_lookup.h"
#include "render/model.h"

namespace {

float Clamped(float value, float low, float high) {
    return std::min(std::max(value, low), high);
}

// The texture bound for a material: the override at its index unless that is
// missing or -1.
int MaterialTexture(const ModelMaterial& material, int materialIndex,
                    const LinkedList<int>& overrides) {
    const int* texture = ElementAt(overrides, materialIndex);
    return texture && *texture != -1 ? *texture : material.texture;
}

// The material's lighting colours with the pawn's opacity as alpha and the
// colour in place of the diffuse red, green and blue.
void ApplyMaterial(const ModelMaterial& material, float alpha, const float rgb[3]) {
    float ambient[4] = {material.ambient[0], material.ambient[1], material.ambient[2], alpha};
    float diffuse[4] = {rgb[0], rgb[1], rgb[2], alpha};
    float specular[4] = {material.specular[0], material.specular[1], material.specular[2], alpha};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
}

void ApplyTexture(const ModelMaterial& material, int materialIndex,
                  const LinkedList<int>& overrides) {
    if (material.texture == 0) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glBindTexture(GL_TEXTURE_2D,
                  static_cast<GLuint>(MaterialTexture(material, materialIndex, overrides)));
    glEnable(GL_TEXTURE_2D);
}

void ApplyBlending(float alpha) {
    if (alpha < 1.0f) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
}

// The stretch scales the vertices, not the modelview matrix, so normals keep
// their length and lighting is unchanged by stretching.
void DrawGroupTriangles(const Model& model, const ModelGroup& group, const float stretch[3]) {
    glBegin(GL_TRIANGLES);
    for (int triangleIndex : group.triangleIndices) {
        const ModelTriangle& triangle = model.triangles[triangleIndex];
        for (int corner = 0; corner < 3; ++corner) {
            const float* position = model.vertices[triangle.vertexIndices[corner]].position;
            glNormal3fv(triangle.normals[corner]);
            glTexCoord2f(triangle.s[corner], triangle.t[corner]);
            glVertex3f(position[0] * stretch[0], position[1] * stretch[1],
                       position[2] * stretch[2]);
        }
    }
    glEnd();
}

}  // namespace

void Model::Draw(float xstretch, float ystretch, float zstretch, float opacity,
                 const LinkedList<int>& textureOverrides, ModelColour colour) const {
    GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    float alpha = Clamped(opacity, 0.0f, 100.0f) / 100.0f;
    float rgb[3] = {Clamped(colour.red, 0, 255) / 255.0f, Clamped(colour.green, 0, 255) / 255.0f,
                    Clamped(colour.blue, 0, 255) / 255.0f};
    for (const ModelGroup& group : groups) {
        if (group.materialIndex >= 0) {
            const ModelMaterial& material = materials[group.materialIndex];
            ApplyMaterial(material, alpha, rgb);
            ApplyTexture(material, group.materialIndex, textureOverrides);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        ApplyBlending(alpha);
        const float stretch[3] = {xstretch, ystretch, zstretch};
        DrawGroupTriangles(*this, group, stretch);
    }
    if (texturing)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
