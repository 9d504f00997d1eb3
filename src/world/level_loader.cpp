// The level loader, which reads a level of "levels.xml" pawn by pawn.

#include "world/level.h"

#include <climits>
#include <cstdio>

#include "core/fatal_error.h"
#include "store/xmlcontext.h"
#include "world/template_roles.h"
#include "world/text_numbers.h"

namespace {

// The number keys of a pawn section, in reading order, with their fields.
struct PlacementKey {
    const char* key;
    float Transform::*field;
};

const PlacementKey kPlacementKeys[] = {
    {"xangle", &Transform::xangle},     {"yangle", &Transform::yangle},
    {"zangle", &Transform::zangle},     {"xoffset", &Transform::xoffset},
    {"yoffset", &Transform::yoffset},   {"zoffset", &Transform::zoffset},
    {"xstretch", &Transform::xstretch}, {"ystretch", &Transform::ystretch},
    {"zstretch", &Transform::zstretch}, {"opacity", &Transform::opacity},
};

// Every key goes through one integer and one number scratch value, and an
// absent key leaves its scratch as it was: a missing key takes the value of
// the key of its kind read before it. Level files are expected to carry all.
struct Scratch {
    int32_t number = 0;
    double value = 0.0;
};

void ReadPawnKeys(XmlContext& store, const char* section, Scratch* scratch, Pawn* pawn) {
    store.GetInt(section, "Type", &scratch->number);
    pawn->Type = scratch->number;
    store.GetInt(section, "Visible", &scratch->number);
    pawn->Visible = scratch->number != 0;
    for (const PlacementKey& key : kPlacementKeys) {
        store.GetDouble(section, key.key, &scratch->value);
        pawn->Placement.*key.field = NarrowToFloat(scratch->value);
    }
    if (pawn->Template->ID == kIdDeadly)
        pawn->Placement.opacity = 0.0f;  // present in the rules, unseen in play
}

void ReportBadTemplateNumber(int level, int pawnNumber, int32_t templateNumber) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "Level %d, pawn %d: \"PawnTemplate\" %d is not a template number (0 to %d).",
                  level, pawnNumber, static_cast<int>(templateNumber), kPawnTemplateSlots - 1);
    ShowFatalError(text);
}

}  // namespace

void LoadLevelPawns(int level) {
    XmlContext store("levels.xml");
    char levelSection[64];
    std::snprintf(levelSection, sizeof levelSection, "Level%d", level);
    Scratch scratch;
    for (int i = 1; i < INT_MAX; ++i) {
        char section[64];
        if (std::snprintf(section, sizeof section, "%s\\Pawn%d", levelSection, i) < 0)
            return;
        if (!store.GetInt(section, "PawnTemplate", &scratch.number))
            return;
        if (scratch.number < 0 || scratch.number >= kPawnTemplateSlots) {
            ReportBadTemplateNumber(level, i, scratch.number);
            return;
        }
        LevelPawns.PushBack(Pawn(&PawnTemplates[scratch.number]));
        ReadPawnKeys(store, section, &scratch, &LevelPawns.Last());
    }
}
