#include "shell/resources.h"

#include "platform/sys_dialog.h"
#include "shell/play_session.h"

namespace {

const char kAboutText[] =
    "Korvath\nA Campaign of Sixteen Puzzles\n\n"
    "A puzzle game seen from the side: walk, climb, push crates,\n"
    "kick barrels and set off bombs to reach each level's exit.\n\n"
    "Help: Info > Controls lists the keys; korvath --help and the\n"
    "manual page (man korvath) tell more, and on Windows the\n"
    "README.txt beside korvath.exe.";
// One line a key: the key, a tab, what it does; the dialog sets them out in
// two columns.
const char kControlsText[] =
    "Left / Right\tMove\n"
    "Up\tActivate Switch, Enter Door, Climb\n"
    "Down\tClimb Down\n"
    "Spacebar\tExplode Bomb\n"
    "X\tReset to Last Checkpoint\n"
    "Z or Backspace\tUndo\n"
    "Y or Shift+Z\tRedo\n"
    "H\tHint: the Next Press to the Exit\n"
    "R\tRestart the Level\n"
    "Shift+Arrows\tLook Ahead\n"
    "Alt+Enter\tFull Screen or Window\n"
    "Alt+F4\tExit\n"
    "Enter, Escape\tOK, Cancel in a Dialog\n"
    "Gamepad\tD-pad Moves, A Bomb, B Reset,\n"
    "\tShoulders Undo, Redo; Y Hint";

const Dialog kAbout = {"About", 250, 120, 7, 12, kAboutText, 100, 98, 50, 14, nullptr, 0};
const Dialog kControls = {"Controls", 210, 196, 0, 10, kControlsText, 80, 174, 50, 14, nullptr, 0};

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
