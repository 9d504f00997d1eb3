#include "world/template_assets.h"

namespace {
TemplateAssets* g_assets = nullptr;
}

void SetTemplateAssets(TemplateAssets* assets) {
    g_assets = assets;
}

TemplateAssets* GetTemplateAssets() {
    return g_assets;
}
