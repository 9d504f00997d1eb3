// Reading an MS3D file into a Model: the whole file in one read, then parsed
// from the buffer with every count checked against what the file holds and
// every index checked against the array it points into.

#include <cstring>
#include <string>
#include <vector>

#include "platform/sys_path.h"
#include "render/byte_reader.h"
#include "render/model.h"
#include "render/texture.h"

namespace {

constexpr size_t kVertexBytes = 15;
constexpr size_t kTriangleBytes = 70;
constexpr size_t kMaterialBytes = 361;
constexpr size_t kTextureNameBytes = 128;

// The largest model read: a mesh of about 800,000 triangles. Every count in
// the file is checked against what the file holds, so this bounds the work.
constexpr size_t kMaxModelBytes = 64u << 20;

bool ReadHeader(ByteReader* in) {
    char id[10];
    in->Read(id, sizeof id);
    int32_t version = in->I32();
    return !in->failed && std::memcmp(id, "MS3D000000", 10) == 0 && version >= 3;
}

bool ReadVertices(ByteReader* in, Model* model) {
    size_t count = in->U16();
    if (!in->Has(count * kVertexBytes))
        return false;
    model->vertices.resize(count);
    for (ModelVertex& vertex : model->vertices) {
        in->Skip(1);
        in->Floats(vertex.position, 3);
        in->Skip(2);
    }
    return !in->failed;
}

bool ReadTriangle(ByteReader* in, size_t vertexCount, ModelTriangle* triangle) {
    in->Skip(2);
    for (int& index : triangle->vertexIndices)
        index = in->U16();
    for (float* normal : triangle->normals)
        in->Floats(normal, 3);
    in->Floats(triangle->s, 3);
    in->Floats(triangle->t, 3);
    for (float& t : triangle->t)
        t = 1.0f - t;
    in->Skip(2);
    for (int index : triangle->vertexIndices)
        if (static_cast<size_t>(index) >= vertexCount)
            return false;
    return !in->failed;
}

bool ReadTriangles(ByteReader* in, Model* model) {
    size_t count = in->U16();
    if (!in->Has(count * kTriangleBytes))
        return false;
    model->triangles.resize(count);
    for (ModelTriangle& triangle : model->triangles)
        if (!ReadTriangle(in, model->vertices.size(), &triangle))
            return false;
    return true;
}

bool ReadGroup(ByteReader* in, size_t triangleCount, ModelGroup* group) {
    in->Skip(1 + 32);
    group->triangleCount = in->U16();
    if (!in->Has(static_cast<size_t>(group->triangleCount) * 2 + 1))
        return false;
    group->triangleIndices.resize(group->triangleCount);
    for (int& index : group->triangleIndices) {
        index = in->U16();
        if (static_cast<size_t>(index) >= triangleCount)
            return false;
    }
    group->materialIndex = in->I8();
    return !in->failed;
}

bool ReadGroups(ByteReader* in, Model* model) {
    size_t count = in->U16();
    model->groups.resize(count);
    for (ModelGroup& group : model->groups)
        if (!ReadGroup(in, model->triangles.size(), &group))
            return false;
    return !in->failed;
}

// The texture name field need not hold a terminator; it is read within its
// 128 bytes either way.
std::string ReadTextureName(ByteReader* in) {
    char name[kTextureNameBytes];
    in->Read(name, sizeof name);
    return std::string(name, strnlen(name, sizeof name));
}

bool ReadMaterials(ByteReader* in, const std::string& directory, Model* model) {
    size_t count = in->U16();
    if (!in->Has(count * kMaterialBytes))
        return false;
    model->materials.resize(count);
    for (ModelMaterial& material : model->materials) {
        in->Skip(32);
        in->Floats(material.ambient, 4);
        in->Floats(material.diffuse, 4);
        in->Floats(material.specular, 4);
        in->Floats(material.emissive, 4);
        material.shininess = in->F32();
        in->Skip(4 + 1);
        material.textureFile = ResolveTexturePath(directory, ReadTextureName(in));
        in->Skip(kTextureNameBytes);
    }
    return !in->failed;
}

bool MaterialsInRange(const Model& model) {
    for (const ModelGroup& group : model.groups)
        if (group.materialIndex >= static_cast<int>(model.materials.size()))
            return false;
    return true;
}

// An empty string when the model was read, else why it was not.
std::string Parse(const std::vector<char>& buffer, const std::string& directory, Model* model) {
    ByteReader in(reinterpret_cast<const unsigned char*>(buffer.data()), buffer.size());
    if (!ReadHeader(&in))
        return "is not an MS3D model of version 3 or later";
    bool ok = ReadVertices(&in, model) && ReadTriangles(&in, model) && ReadGroups(&in, model) &&
              ReadMaterials(&in, directory, model) && MaterialsInRange(*model);
    return ok ? "" : "its counts or indices run past what the model holds";
}

void LoadMaterialTextures(Model* model) {
    for (ModelMaterial& material : model->materials) {
        material.texture = 0;
        if (!material.textureFile.empty())
            LoadJpegTexture(&material.texture, material.textureFile.c_str(), 0);
    }
}

}  // namespace

std::string ModelDirectory(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ResolveTexturePath(const std::string& modelDirectory, const std::string& name) {
    if (name.size() >= 2 && name[0] == '.' && name[1] == '\\')
        return modelDirectory + name.substr(1);
    return name;
}

void Model::Clear() {
    groups.clear();
    materials.clear();
    triangles.clear();
    vertices.clear();
}

bool Model::Load(const char* path, std::string* why, bool withTextures) {
    Clear();
    std::vector<char> buffer;
    std::string problem;
    try {
        if (Sys_ReadDataFile(path, kMaxModelBytes, &buffer, &problem))
            problem = Parse(buffer, ModelDirectory(path), this);
    } catch (const std::exception& failure) {  // nothing a file holds may end the program
        problem = failure.what();
    }
    if (why)
        *why = problem;
    if (!problem.empty()) {
        Clear();
        return false;
    }
    if (withTextures)
        LoadMaterialTextures(this);
    return true;
}
