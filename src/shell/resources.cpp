#include "shell/resources.h"

#include "platform/sys_dialog.h"
#include "shell/play_session.h"

namespace {

const char kAboutText[] =
    "Korvath\nA Campaign of Sixteen Puzzles\n\nMade by the Korvath team.\n\n"
    "Questions and bug reports: see README.md.";
const char kControlsText[] =
    "Left/Right - Move\nSpacebar - Explode Bomb\nUp - Activate Switch, Enter Door, Climb\n"
    "Down - Climb Down\nX - Reset to Last Checkpoint\nZ or Backspace - Undo\n"
    "Y or Shift+Z - Redo\nH - Hint\nR - Restart Level";

const Dialog kAbout = {"About", 235, 109, 7, 18, kAboutText, 93, 81, 50, 14, nullptr, 0};
const Dialog kControls = {"Controls", 178, 150, 31, 17, kControlsText, 64, 128, 50, 14, nullptr, 0};

}  // namespace

const std::vector<MenuPopup>& GameMenu() {
    static const std::vector<MenuPopup> menu = {
        {"&File", {{"&Exit", kCommandExit}}},
        {"&Game",
         {{"&Undo\tZ", kCommandUndo},
          {"&Redo\tY", kCommandRedo},
          {"&Hint\tH", kCommandHint},
          {"Re&start level\tR", kCommandRestart},
          {"&Levels...", kCommandLevels},
          {"&Warn of dead ends", kCommandWarnDeadEnds}}},
        {"&Info", {{"&About", kCommandAbout}, {"&Controls", kCommandControls}}},
    };
    return menu;
}

bool RunMenuCommand(int command) {
    if (RunPlayCommand(command))
        return true;
    if (command == kCommandAbout)
        Sys_OpenDialog(&kAbout);
    else if (command == kCommandControls)
        Sys_OpenDialog(&kControls);
    return command != kCommandExit;
}
