#include "shell/resources.h"

#include "platform/sys_dialog.h"

namespace {

const Dialog kAbout = {"About",
                       235,
                       109,
                       7,
                       18,
                       "Korvath\n"
                       "Two Level Demo\n"
                       "\n"
                       "Made by the Korvath team.\n"
                       "\n"
                       "Questions and bug reports: see README.md.",
                       93,
                       81,
                       50,
                       14};

const Dialog kControls = {"Controls",
                          178,
                          105,
                          31,
                          17,
                          "Left/Right - Move\n"
                          "Spacebar - Explode Bomb\n"
                          "Up - Activate Switch, Enter Door, Climb\n"
                          "X - Reset to Last Checkpoint",
                          60,
                          67,
                          50,
                          14};

// A little hero in front of a crate.
const char* const kIconRows[] = {
    "DDDDDDDDDDDDDDDD", "DBBBBBBBBBBBBBBD", "DBBBBBYYYYBBBBBD", "DBBBBYYYYYYBBBBD",
    "DBBBBYXYYXYBBBBD", "DBBBBYYYYYYBBBBD", "DBBBBBRRRRBBBBBD", "DBBBRRRRRRRRBBBD",
    "DBBBRRRRRRRRBBBD", "DGGGGRRRRRRGGGGD", "DGYYYGRRRRGYYYGD", "DGYYYGXXXXGYYYGD",
    "DGYYYGXBBXGYYYGD", "DGGGGGXBBXGGGGGD", "DGGGGGXBBXGGGGGD", "DDDDDDDDDDDDDDDD",
};

}  // namespace

const Picture kGameIcon = {16, 16, kIconRows};

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
