#pragma once
// The XML of the game's data stores as tests write it: sections that hold
// keyed values, under the root section that every store file has.

#include <string>

inline std::string Key(const std::string& key, const std::string& value) {
    return "<KeyVal Key=\"" + key + "\">" + value + "</KeyVal>";
}

inline std::string Section(const std::string& label, const std::string& content) {
    return "<Section label=\"" + label + "\">" + content + "</Section>";
}

inline std::string Root(const std::string& content) {
    return Section("Root", content);
}

// Section "Pawn<number>" of a level: a visible world pawn of the template
// slot at (x, y), with plain angles, stretches and opacity.
inline std::string PawnSection(int number, int slot, float x, float y) {
    std::string keys = Key("PawnTemplate", std::to_string(slot)) + Key("Type", "0") +
                       Key("Visible", "1") + Key("xoffset", std::to_string(x)) +
                       Key("yoffset", std::to_string(y));
    for (const char* angle : {"xangle", "yangle", "zangle", "zoffset"})
        keys += Key(angle, "0");
    for (const char* stretch : {"xstretch", "ystretch", "zstretch"})
        keys += Key(stretch, "1");
    return Section("Pawn" + std::to_string(number), keys + Key("opacity", "100"));
}
