#include "tool_templates.h"

#include <cstdio>

#include "core/fatal_error.h"
#include "platform/sys_path.h"
#include "store/xmlcontext.h"
#include "world/pawn_template.h"
#include "world/template_assets.h"

namespace {

constexpr const char* kTemplateFile = "./gamedata\\pawntemp.xml";

// Models and textures are the renderer's business; the tool only counts them.
struct NoAssets : TemplateAssets {
    bool LoadModel(const char*, int) override { return true; }
    void LoadJpegTexture(int*, const char*, int) override {}
};

std::vector<std::string>* g_problems = nullptr;

void KeepProblem(FatalError, const char* text) {
    if (g_problems)
        g_problems->push_back(text);
}

}  // namespace

bool LoadToolTemplates(std::string* error, std::vector<std::string>* problems) {
    FILE* file = Sys_OpenFile(kTemplateFile, "rb");
    if (!file) {
        *error = Sys_HostPath(kTemplateFile) + ": not found";
        return false;
    }
    std::fclose(file);
    ResetPawnTemplates();
    NoAssets assets;
    TemplateAssets* previousAssets = GetTemplateAssets();
    SetTemplateAssets(&assets);
    g_problems = problems;
    FatalErrorHandler previous = SetFatalErrorHandler(KeepProblem);
    LoadPawnTemplates();
    SetFatalErrorHandler(previous);
    SetTemplateAssets(previousAssets);
    g_problems = nullptr;
    return true;
}

int LoadedTemplateCount() {
    XmlContext store("pawntemp.xml");
    int count = 0;
    char section[64];
    int32_t id = 0;
    while (count < kPawnTemplateSlots) {
        std::snprintf(section, sizeof section, "PawnTempList\\pawn%d", count);
        if (!store.GetInt(section, "ID", &id))
            break;
        ++count;
    }
    return count;
}

bool TemplateHasAnimation(int slot, std::string* why) {
    char section[64];
    char path[512];
    XmlContext store("pawntemp.xml");
    std::snprintf(section, sizeof section, "PawnTempList\\pawn%d", slot);
    if (!store.GetString(section, "Animation", path, sizeof path)) {
        *why = "has no \"Animation\"";
        return false;
    }
    PawnTemplate probe;
    if (!probe.LoadAnimation(path)) {
        *why = std::string("cannot open its animation ") + path;
        return false;
    }
    if (probe.Frames.head == nullptr) {
        *why = std::string("its animation ") + path + " has no frames, so its pawns draw nothing";
        return false;
    }
    return true;
}
