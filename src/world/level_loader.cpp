// The level loader, which reads a level of "levels.xml" pawn by pawn.

#include "world/level.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/fatal_error.h"
#include "platform/sys_path.h"
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

// Placement numbers beyond this are a broken file: positions there lose the
// exact half-unit steps every move is made of, and the level cannot be won.
constexpr double kLargestPlacementValue = 1000000.0;

// The box for a level the game cannot play, and the same words on standard
// error with the file they are about.
void ReportLevelError(const char* text) {
    Sys_ReportFileProblem("./gamedata\\levels.xml", text);
    ShowFatalError(text);
}

// False, after the report, when a number is outside what a level can hold.
bool ReadPawnKeys(XmlContext& store, const char* section, Scratch* scratch, Pawn* pawn) {
    store.GetInt(section, "Type", &scratch->number);
    pawn->Type = scratch->number;
    store.GetInt(section, "Visible", &scratch->number);
    pawn->Visible = scratch->number != 0;
    for (const PlacementKey& key : kPlacementKeys) {
        store.GetDouble(section, key.key, &scratch->value);
        if (!(std::fabs(scratch->value) <= kLargestPlacementValue)) {  // NaN fails too
            char text[200];
            std::snprintf(text, sizeof text, "%s: \"%s\" %g is out of range (-%.0f to %.0f).",
                          section, key.key, scratch->value, kLargestPlacementValue,
                          kLargestPlacementValue);
            ReportLevelError(text);
            return false;
        }
        pawn->Placement.*key.field = NarrowToFloat(scratch->value);
    }
    if (IsDeadly(*pawn->Template))
        pawn->Placement.opacity = 0.0f;  // present in the rules, unseen in play
    return true;
}

void ReportBadTemplateNumber(int level, int pawnNumber, int32_t templateNumber) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "Level %d, pawn %d: \"PawnTemplate\" %d is not a template number (0 to %d).",
                  level, pawnNumber, static_cast<int>(templateNumber), kPawnTemplateSlots - 1);
    ReportLevelError(text);
}

// A level the game cannot play without: named on standard error beside the
// box that BuildLevelIndex shows.
void ReportMissingHero(int level, const PawnList& pawns) {
    for (const Pawn& pawn : pawns)
        if (IsHero(*pawn.Template))
            return;
    Sys_ReportFileProblem("./gamedata\\levels.xml",
                          "Level" + std::to_string(level) +
                              " has no pawn whose template has SpecialFlag 11 (the hero)");
}

// Appends the level's pawns; stops after a report when a number is bad.
void ReadLevelPawns(int level, PawnList* pawns) {
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
        pawns->push_back(Pawn(&PawnTemplates[scratch.number]));
        if (!ReadPawnKeys(store, section, &scratch, &pawns->back()))
            return;
    }
}

}  // namespace

void LoadLevelPawns(int level, PawnList* pawns) {
    ReadLevelPawns(level, pawns);
    ReportMissingHero(level, *pawns);
}
