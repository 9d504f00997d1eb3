#pragma once
// The program's resources: the menu bar and the two dialogs it opens.

#include <vector>

#include "platform/sys_video.h"
#include "shell/menu_commands.h"

// File > Exit; Game > Undo, Redo, Hint, Restart level, Levels..., Warn of
// dead ends (a check item); Info >
// About, Info > Controls.
const std::vector<MenuPopup>& GameMenu();
// Carries out a menu command; false when it ends the game (File > Exit).
bool RunMenuCommand(int command);
