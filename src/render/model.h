#pragma once
// A static triangle mesh read from a MilkShape 3D binary file: vertices,
// triangles with per-corner normals and texture coordinates, groups of
// triangles sharing a material, and materials with an optional JPEG texture.

#include <cstdint>
#include <string>
#include <vector>

#include "core/linked_list.h"

struct ModelGroup {
    int materialIndex = -1;  // negative: no material
    int triangleCount = 0;
    std::vector<int> triangleIndices;
};

struct ModelTriangle {
    float normals[3][3];
    float s[3];
    float t[3];  // 1 - the file's t, so that t runs up the picture as in GL
    int vertexIndices[3];
};

struct ModelMaterial {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float emissive[4];
    float shininess = 0.0f;
    int texture = 0;  // GL texture name, 0 when untextured
    std::string textureFile;
};

struct ModelVertex {
    float position[3];
};

// Colour components 0..255 as the game passes them.
struct ModelColour {
    int16_t red = 255, green = 255, blue = 255;
};

class Model {
  public:
    std::vector<ModelGroup> groups;
    std::vector<ModelMaterial> materials;
    std::vector<ModelTriangle> triangles;
    std::vector<ModelVertex> vertices;

    virtual ~Model() = default;

    // Reads the file into this model, replacing what it held. False (and the
    // model left empty) when the file cannot be opened, is not an MS3D file of
    // version 3 or later, is shorter than its counts, or indexes outside its
    // own arrays. Material textures are loaded as JPEG textures.
    // why, when given, says what made a file unusable. Without textures the
    // file is only read (a check of the file alone, as a fuzzer makes).
    bool Load(const char* path, std::string* why = nullptr, bool withTextures = true);

    // Draws the mesh in the current modelview matrix. opacity in percent;
    // textureOverrides replaces material textures by material number (-1:
    // keep the material's own).
    void Draw(float xstretch, float ystretch, float zstretch, float opacity,
              const LinkedList<int>& textureOverrides, ModelColour colour) const;

    bool Empty() const { return groups.empty(); }
    void Clear();
};

// The directory part of a path: everything before its last '/' or '\'.
std::string ModelDirectory(const std::string& path);

// Where a material's texture is looked for: names starting with ".\" lie
// beside the model, others are used as they are.
std::string ResolveTexturePath(const std::string& modelDirectory, const std::string& name);
