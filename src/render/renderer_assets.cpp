#include "render/renderer_assets.h"

#include "render/texture.h"

bool RendererAssets::LoadModel(const char* path, int slot) {
    return renderer_ && renderer_->LoadModel(path, slot);
}

void RendererAssets::LoadJpegTexture(int* textures, const char* path, int index) {
    ::LoadJpegTexture(textures, path, index);
}
