#include "shell/resources.h"

#include "platform/sys_dialog.h"

namespace {

const char kAboutText[] =
    "Korvath\nTwo Level Demo\n\nMade by the Korvath team.\n\n"
    "Questions and bug reports: see README.md.";
const char kControlsText[] =
    "Left/Right - Move\nSpacebar - Explode Bomb\nUp - Activate Switch, Enter Door, Climb\n"
    "X - Reset to Last Checkpoint";

const Dialog kAbout = {"About", 235, 109, 7, 18, kAboutText, 93, 81, 50, 14};
const Dialog kControls = {"Controls", 178, 105, 31, 17, kControlsText, 60, 67, 50, 14};

}  // namespace

const std::vector<MenuPopup>& GameMenu() {
    static const std::vector<MenuPopup> menu = {
        {"&File", {{"&Exit", kCommandExit}}},
        {"&Info", {{"&About", kCommandAbout}, {"&Controls", kCommandControls}}},
    };
    return menu;
}

bool RunMenuCommand(int command) {
    if (command == kCommandAbout)
        Sys_OpenDialog(&kAbout);
    else if (command == kCommandControls)
        Sys_OpenDialog(&kControls);
    return command != kCommandExit;
}
