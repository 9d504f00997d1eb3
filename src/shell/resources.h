#pragma once
// The program's resources: the menu bar and the two dialogs it opens.

#include <vector>

#include "platform/sys_video.h"

// The menu's commands; the replay tool's input names them exit, about and
// controls.
enum MenuCommand : int { kCommandExit = 102, kCommandAbout = 40004, kCommandControls = 40005 };

// File > Exit; Info > About, Info > Controls.
const std::vector<MenuPopup>& GameMenu();
// Carries out a menu command; false when it ends the game (File > Exit).
bool RunMenuCommand(int command);
