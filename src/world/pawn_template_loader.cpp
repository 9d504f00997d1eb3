// Reads "pawntemp.xml": the model list into the renderer's model table, then
// the templates into PawnTemplates. Every numbered list stops at its first
// missing number and after kLastListNumber.

#include <cstdio>
#include <string>

#include "core/fatal_error.h"
#include "platform/sys_path.h"
#include "store/xmlcontext.h"
#include "world/pawn_template.h"
#include "world/template_assets.h"

namespace {

constexpr size_t kTextCapacity = 512;

struct FlagKey {
    const char* key;
    int32_t PawnTemplate::*field;
};

// Read in this order; an absent key leaves its field as it is.
const FlagKey kFlagKeys[] = {
    {"BlocksCrate", &PawnTemplate::BlocksCrate}, {"BlocksHero", &PawnTemplate::BlocksHero},
    {"BlocksRock", &PawnTemplate::BlocksRock},   {"WeightCrate", &PawnTemplate::WeightCrate},
    {"WeightRock", &PawnTemplate::WeightRock},   {"WeightHero", &PawnTemplate::WeightHero},
    {"Weightless", &PawnTemplate::Weightless},   {"Sliding", &PawnTemplate::Sliding},
    {"Rolling", &PawnTemplate::Rolling},         {"Collectable", &PawnTemplate::Collectable},
    {"Bombable", &PawnTemplate::Bombable},       {"Ladder", &PawnTemplate::Ladder},
    {"SpecialFlag", &PawnTemplate::SpecialFlag},
};

void LoadModelList(XmlContext& store) {
    TemplateAssets* assets = GetTemplateAssets();
    for (int n = 0; n <= kLastListNumber; ++n) {
        char key[64];
        char path[kTextCapacity];
        std::snprintf(key, sizeof key, "Model%d", n);
        if (!store.GetString("ModelList", key, path, sizeof path))
            return;
        if (!assets || !assets->LoadModel(path, n))
            ShowFatalError("Couldn't load model data.");
    }
}

// A section without "Animation" is reported like a file that cannot be opened.
void LoadTemplateAnimation(XmlContext& store, const char* section, PawnTemplate* t) {
    char path[kTextCapacity];
    const bool named = store.GetString(section, "Animation", path, sizeof path);
    if (!named)
        Sys_ReportFileProblem(store.FilePath(), std::string(section) + " has no \"Animation\"");
    if (!named || !t->LoadAnimation(path))
        ShowFatalError("Couldn't load animation.");
}

void LoadModelRefs(XmlContext& store, const char* section, PawnTemplate* t) {
    char listSection[kTextCapacity];
    std::snprintf(listSection, sizeof listSection, "%s\\ModelRefList", section);
    t->ModelRefList.Clear();
    for (int k = 0; k <= kLastListNumber; ++k) {
        char key[kTextCapacity];
        int32_t slot = 0;
        std::snprintf(key, sizeof key, "ModelRef%d", k);
        if (!store.GetInt(listSection, key, &slot))
            return;
        t->ModelRefList.PushBack(slot);
    }
}

void LoadTextures(XmlContext& store, const char* section, PawnTemplate* t) {
    char listSection[kTextCapacity];
    std::snprintf(listSection, sizeof listSection, "%s\\TextureList", section);
    for (int k = 0; k <= kLastListNumber; ++k) {
        char key[kTextCapacity];
        char path[kTextCapacity];
        std::snprintf(key, sizeof key, "Texture%d", k);
        if (!store.GetString(listSection, key, path, sizeof path))
            return;
        t->LoadTexture(path, k);
    }
}

// False when the section has no "ID": the template list ends there.
bool LoadTemplate(XmlContext& store, int n, PawnTemplate* t) {
    char section[64];
    std::snprintf(section, sizeof section, "PawnTempList\\pawn%d", n);
    if (!store.GetInt(section, "ID", &t->ID))
        return false;
    LoadTemplateAnimation(store, section, t);
    LoadModelRefs(store, section, t);
    LoadTextures(store, section, t);
    for (const FlagKey& flag : kFlagKeys)
        store.GetInt(section, flag.key, &(t->*flag.field));
    return true;
}

}  // namespace

void LoadPawnTemplates() {
    XmlContext store("pawntemp.xml");
    LoadModelList(store);
    for (int n = 0; n <= kLastListNumber; ++n)
        if (!LoadTemplate(store, n, &PawnTemplates[n]))
            return;
}
