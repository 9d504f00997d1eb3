#pragma once
// The template loader fills the renderer's model table and creates textures,
// but the world library sits below the renderer. It reaches them through this
// interface, which the renderer implements and the shell installs at start-up.

struct TemplateAssets {
    virtual ~TemplateAssets() = default;
    // Loads the MS3D model file at path into model slot slot; false on failure.
    virtual bool LoadModel(const char* path, int slot) = 0;
    // Creates a GL texture from the JPEG file at path and stores its name in
    // textures[index].
    virtual void LoadJpegTexture(int* textures, const char* path, int index) = 0;
};

// Installs the implementation (null removes it). Without one, every model
// fails to load and template textures stay -1.
void SetTemplateAssets(TemplateAssets* assets);
TemplateAssets* GetTemplateAssets();
