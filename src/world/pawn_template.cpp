#include "world/pawn_template.h"

#include "world/template_assets.h"

PawnTemplate PawnTemplates[kPawnTemplateSlots];

void ResetPawnTemplates() {
    for (PawnTemplate& t : PawnTemplates)
        t = PawnTemplate();
}

bool PawnTemplate::LoadTexture(const char* path, int index) {
    if (index < 0)
        return true;
    int count = TextureList.LastIndex() + 1;
    for (; count < index + 1; ++count)
        TextureList.PushBack(-1);
    TemplateAssets* assets = GetTemplateAssets();
    if (assets)
        assets->LoadJpegTexture(&TextureList[index], path, 0);
    return true;
}
