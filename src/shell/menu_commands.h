#pragma once
// The commands of the menu bar and of the Levels dialog.

#include "world/level_list.h"

// The menu's commands; the replay tool's input names them exit, about,
// controls, undo, redo, hint, restart, levels, deadends, and level1, level2, ... for
// the choices of the Levels dialog (kCommandPlayLevel + the level's index).
enum MenuCommand : int {
    kCommandExit = 102,
    kCommandAbout = 40004,
    kCommandControls = 40005,
    kCommandUndo = 40010,
    kCommandRedo = 40011,
    kCommandHint = 40012,
    kCommandRestart = 40013,
    kCommandLevels = 40014,
    kCommandWarnDeadEnds = 40015,  // a check item: dead ends told or not
    kCommandPlayLevel = 41000,
};

// True for a command that plays a level chosen in the Levels dialog.
inline bool IsPlayLevelCommand(int command) {
    return command >= kCommandPlayLevel && command < kCommandPlayLevel + kMaxLevels;
}
