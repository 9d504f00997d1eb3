#pragma once
// The level tool reads the template table the way the game does, from
// ./gamedata\pawntemp.xml under the current folder, but loads no models and
// no textures: it needs only the rule flags and the animation files.

#include <string>
#include <vector>

// Fills PawnTemplates; false with a reason when pawntemp.xml cannot be read.
// Load errors the game would show in a box are kept in problems.
bool LoadToolTemplates(std::string* error, std::vector<std::string>* problems = nullptr);

// Slots 0 to count - 1 have a template section (the game stops at the first gap).
int LoadedTemplateCount();

// True when the slot's animation file opens and has at least one frame.
bool TemplateHasAnimation(int slot, std::string* why);
