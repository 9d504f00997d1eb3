#include "levels_xml.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "store/xmlcontext.h"
#include "text_lines.h"
#include "world/level_list.h"
#include "world/template_roles.h"
#include "world/text_numbers.h"

namespace {

constexpr int kMaxPawns = 1000000;

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void KeyVal(std::string* out, const char* indent, const std::string& key,
            const std::string& value) {
    *out += std::string(indent) + "<KeyVal Key=\"" + key + "\">" + Escaped(value) + "</KeyVal>\n";
}

void PawnSection(std::string* out, int number, const PlacedPawn& pawn) {
    const char* indent = "      ";
    *out += "    <Section label=\"Pawn" + std::to_string(number) + "\">\n";
    KeyVal(out, indent, "PawnTemplate", std::to_string(pawn.slot));
    KeyVal(out, indent, "Type", std::to_string(pawn.type));
    KeyVal(out, indent, "Visible", std::to_string(pawn.visible));
    for (const PlacementKey& key : kPlacementKeys)
        KeyVal(out, indent, key.name, FormatFloat(pawn.placement.*key.field));
    *out += "    </Section>\n";
}

// False when the level has no pawn number `number`.
bool ReadPawn(XmlContext& store, int level, int number, PlacedPawn* pawn) {
    char section[64];
    std::snprintf(section, sizeof section, "Level%d\\Pawn%d", level, number);
    int32_t value = 0;
    if (!store.GetInt(section, "PawnTemplate", &value))
        return false;
    pawn->slot = value;
    store.GetInt(section, "Type", &pawn->type);
    store.GetInt(section, "Visible", &pawn->visible);
    for (const PlacementKey& key : kPlacementKeys) {
        double number = pawn->placement.*key.field;
        store.GetDouble(section, key.name, &number);
        pawn->placement.*key.field = NarrowToFloat(number);
    }
    return true;
}

bool ReadLevel(XmlContext& store, int number, CompiledLevel* level, std::string* error) {
    level->number = number;
    char section[64];
    char name[512];
    std::snprintf(section, sizeof section, "Level%d", number);
    level->hasName = store.GetString(section, "Name", name, sizeof name);
    level->name = level->hasName ? name : "";
    level->picture = store.GetString(section, "Picture", name, sizeof name) ? name : "";
    level->music = store.GetString(section, "Music", name, sizeof name) ? name : "";
    for (int i = 1; i <= kMaxPawns; ++i) {
        PlacedPawn pawn;
        if (!ReadPawn(store, number, i, &pawn))
            return true;
        if (pawn.slot < 0 || pawn.slot > kLastListNumber) {
            *error = "Level" + std::to_string(number) + "\\Pawn" + std::to_string(i) +
                     ": PawnTemplate " + std::to_string(pawn.slot) + " is out of range (0 to 90)";
            return false;
        }
        level->pawns.push_back(pawn);
    }
    *error = "Level" + std::to_string(number) + " has more than a million pawns";
    return false;
}

}  // namespace

std::vector<PlacedPawn> OrderedPawns(const LevelText& level) {
    std::vector<PlacedPawn> pawns = MapPawns(level);
    pawns.insert(pawns.end(), level.pawnLines.begin(), level.pawnLines.end());
    std::stable_sort(pawns.begin(), pawns.end(), [](const PlacedPawn& a, const PlacedPawn& b) {
        return ClassOf(PawnTemplates[a.slot]) < ClassOf(PawnTemplates[b.slot]);
    });
    return pawns;
}

std::string LevelsXml(const std::vector<CompiledLevel>& levels) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Section label=\"Root\">\n";
    for (const CompiledLevel& level : levels) {
        out += "  <Section label=\"Level" + std::to_string(level.number) + "\">\n";
        if (level.hasName)
            KeyVal(&out, "    ", "Name", level.name);
        if (!level.picture.empty())
            KeyVal(&out, "    ", "Picture", level.picture);
        if (!level.music.empty())
            KeyVal(&out, "    ", "Music", level.music);
        for (size_t i = 0; i < level.pawns.size(); ++i)
            PawnSection(&out, static_cast<int>(i) + 1, level.pawns[i]);
        out += "  </Section>\n";
    }
    return out + "</Section>\n";
}

bool ReadLevelsXml(const std::string& path, std::vector<CompiledLevel>* levels,
                   std::string* error) {
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        *error = path + ": not found";
        return false;
    }
    std::unique_ptr<XmlContext> store = XmlContext::OpenHostFile(path);
    for (int number = 1; number <= kMaxLevels; ++number) {
        CompiledLevel level;
        if (!ReadLevel(*store, number, &level, error)) {
            *error = path + ": " + *error;
            return false;
        }
        if (level.pawns.empty())
            break;
        levels->push_back(level);
    }
    if (levels->empty())
        *error = path + ": no level with pawns (Level1\\Pawn1 is missing, or not an XML store)";
    return !levels->empty();
}
