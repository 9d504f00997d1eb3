// The fuzz target for the two XML stores: the first byte picks the file the input
// becomes (templates or levels), the other is a small good one; the loaders read both.

#include <string>

#include "core/fatal_error.h"
#include "fuzz_data_folder.h"
#include "fuzz_targets.h"
#include "world/level.h"
#include "world/template_assets.h"

namespace {

const char kTemplates[] =
    "<Section label=\"Root\"><Section label=\"ModelList\">"
    "<KeyVal Key=\"Model0\">./gamedata\\m.ms3d</KeyVal></Section>"
    "<Section label=\"PawnTempList\"><Section label=\"pawn0\"><KeyVal Key=\"ID\">1</KeyVal>"
    "<KeyVal Key=\"Animation\">./gamedata\\still.txt</KeyVal><KeyVal Key=\"WeightHero\">1</KeyVal>"
    "<KeyVal Key=\"SpecialFlag\">11</KeyVal></Section><Section label=\"pawn1\">"
    "<KeyVal Key=\"ID\">2</KeyVal><KeyVal Key=\"Animation\">./gamedata\\still.txt</KeyVal>"
    "<KeyVal Key=\"BlocksHero\">1</KeyVal></Section></Section></Section>";
const char kLevels[] =
    "<Section label=\"Root\"><Section label=\"Level1\"><Section label=\"Pawn1\">"
    "<KeyVal Key=\"PawnTemplate\">1</KeyVal><KeyVal Key=\"yoffset\">-20</KeyVal></Section>"
    "<Section label=\"Pawn2\"><KeyVal "
    "Key=\"PawnTemplate\">0</KeyVal></Section></Section></Section>";
const char kStill[] = "!\nbody\n!\n#\nstill\n$\n0\nbody\n0\n0\n0\n0\n0\n0\n1\n1\n1\n100\n$\n#\n";

// Models and textures are not this target's business.
struct NoAssets : TemplateAssets {
    bool LoadModel(const char*, int) override { return true; }
    void LoadJpegTexture(int*, const char*, int) override {}
};

void IgnoreFatalError(FatalError, const char*) {}

void Write(const char* name, const char* text) {
    WriteFuzzFile(name, reinterpret_cast<const uint8_t*>(text), std::string(text).size());
}

}  // namespace

int FuzzStore(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static NoAssets assets;
    SetTemplateAssets(&assets);
    SetFatalErrorHandler(IgnoreFatalError);
    Write("still.txt", kStill);
    Write("pawntemp.xml", kTemplates);
    Write("levels.xml", kLevels);
    WriteFuzzFile(data[0] % 2 ? "levels.xml" : "pawntemp.xml", data + 1, size - 1);
    ResetPawnTemplates();
    LoadPawnTemplates();
    PawnList pawns;
    LoadLevelPawns(1, &pawns);
    LevelIndex index;
    BuildLevelIndex(pawns, &index);
    return 0;
}
