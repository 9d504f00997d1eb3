#include "render/texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <map>
#include <string>

#include "core/fatal_error.h"
#include "render/jpeg_image.h"

namespace {

bool uploadEnabled = true;
int lastFakeTextureName = 0;
// Each picture file is decoded and uploaded once: every later use of the
// same file (one texture on the materials of many model slots) gets the same
// texture, as if it had been loaded again.
std::map<std::string, int> g_textureOfFile;

// The largest side a texture may have here: the context's limit when one is
// current, otherwise a fixed bound.
int MaxTextureSide() {
    if (!uploadEnabled)
        return kJpegMaxSide;
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    if (side <= 0 || side > kJpegMaxSide)
        return kJpegMaxSide;
    return side;
}

unsigned UploadMipmapped(const JpegImage& image) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    // Rows are width * 3 bytes with no padding; GL would otherwise expect
    // each to start on four bytes and read a sheared picture past the buffer.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

}  // namespace

void SetTextureUploadEnabled(bool enabled) {
    uploadEnabled = enabled;
    ForgetTextures();
}

void ForgetTextures() {
    g_textureOfFile.clear();
}

void LoadJpegTexture(int* textures, const char* path, int index) {
    if (!path)
        return;
    auto known = g_textureOfFile.find(path);
    if (known != g_textureOfFile.end()) {
        textures[index] = known->second;
        return;
    }
    std::unique_ptr<JpegImage> image = LoadJpeg(path, MaxTextureSide());
    if (!image) {
        ShowFatalError("Error loading jpg file.", FatalError::kPicture);
        return;
    }
    if (uploadEnabled)
        textures[index] = static_cast<int>(UploadMipmapped(*image));
    else
        textures[index] = ++lastFakeTextureName;
    g_textureOfFile[path] = textures[index];
}
