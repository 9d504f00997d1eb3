#pragma once
// The program's resources: the menu bar and the two dialogs it opens.

#include <vector>

#include "platform/sys_video.h"

// The menu's commands; the replay tool's input names them exit, about,
// controls, undo, redo, hint, restart, levels, and level1, level2, ... for
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
    kCommandPlayLevel = 41000,
};

// File > Exit; Game > Undo, Redo, Hint, Restart level, Levels...; Info >
// About, Info > Controls.
const std::vector<MenuPopup>& GameMenu();
// Carries out a menu command; false when it ends the game (File > Exit).
bool RunMenuCommand(int command);
