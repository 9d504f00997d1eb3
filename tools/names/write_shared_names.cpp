// write-shared-names: writes the names the game's code gives its keys and
// sound slots, as JSON, for the programs outside the C++ build that need them
// (the game data check, tools/datagen/check_data.py). Usage: FILE.

#include <cstdio>
#include <string>

#include "core/keys.h"
#include "core/sound_names.h"

namespace {

// The names are plain words and data paths: only the backslash needs escaping.
std::string Quoted(const char* text) {
    std::string out = "\"";
    for (const char* c = text; *c; ++c)
        out += *c == '\\' ? std::string("\\\\") : std::string(1, *c);
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    FILE* out = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (!out) {
        std::fputs("usage: write-shared-names FILE\n", stderr);
        return 2;
    }
    std::fputs("{\"keys\": {", out);
    for (int i = 0; i < kNamedKeyCount; ++i)
        std::fprintf(out, "%s%s: %d", i ? ", " : "", Quoted(kNamedKeys[i].name).c_str(),
                     kNamedKeys[i].code);
    std::fputs("},\n \"sounds\": [", out);
    for (int slot = 0; slot < kSoundSlotCount; ++slot)
        std::fprintf(out, "%s{\"slot\": %d, \"name\": %s, \"file\": %s}", slot ? ", " : "", slot,
                     Quoted(kSoundSlots[slot].name).c_str(),
                     Quoted(kSoundSlots[slot].file).c_str());
    std::fprintf(out, "],\n \"finish\": %s,\n \"stage\": %s}\n", Quoted(kFinishSoundFile).c_str(),
                 Quoted(kStageMusicFormat).c_str());
    return std::fclose(out) == 0 ? 0 : 1;
}
