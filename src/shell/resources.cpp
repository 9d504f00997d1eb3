#include "shell/resources.h"

#include "platform/sys_dialog.h"
#include "platform/sys_resource.h"
#include "shell/resource_pictures.h"

namespace {

const MenuItemResource kFileItems[] = {{"&Exit", ID_FILE_EXIT}};
const MenuItemResource kInfoItems[] = {{"&About", ID_INFO_ABOUT}, {"&Controls", ID_INFO_CONTROLS}};
const MenuPopupResource kMenuPopups[] = {{"&File", kFileItems, 1}, {"&Info", kInfoItems, 2}};

const char kAboutText[] =
    "Korvath\n"
    "Two Level Demo\n"
    "\n"
    "Made by the Korvath team.\n"
    "\n"
    "Questions and bug reports: see README.md.";

const char kControlsText[] =
    "Left/Right - Move\n"
    "Spacebar - Explode Bomb\n"
    "Up - Activate Switch, Enter Door, Climb\n"
    "X - Reset to Last Checkpoint";

}  // namespace

void RegisterResources() {
    Sys_RegisterMenuResource({IDR_MAINMENU, kMenuPopups, 2});
    Sys_RegisterDialogResource(
        {IDD_ABOUT, "About", 235, 109, 7, 18, 221, 53, kAboutText, 93, 81, 50, 14});
    Sys_RegisterDialogResource(
        {IDD_CONTROLS, "Controls", 178, 105, 31, 17, 140, 36, kControlsText, 60, 67, 50, 14});
    RegisterPictureResources();
}
