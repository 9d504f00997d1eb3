#pragma once
// Menus and dialog templates, the way the program's resources describe them.
// The program registers its resources at start-up; windows and dialogs name
// them by number.

// One command of a drop-down menu; '&' marks the access key in the label.
struct MenuItemResource {
    const char* label;
    int command;
};

struct MenuPopupResource {
    const char* label;
    const MenuItemResource* items;
    int itemCount;
};

struct MenuResource {
    int id;
    const MenuPopupResource* popups;
    int popupCount;
};

// A modal dialog with a block of static text and one default OK button.
// Sizes and positions are in dialog units (about 2 by 1.6 pixels).
struct DialogResource {
    int id;
    const char* caption;
    int width, height;
    int textX, textY, textWidth, textHeight;
    const char* text;  // lines separated by '\n'
    int okX, okY, okWidth, okHeight;
};

void Sys_RegisterMenuResource(const MenuResource& menu);
void Sys_RegisterDialogResource(const DialogResource& dialog);
const MenuResource* Sys_FindMenuResource(int id);
const DialogResource* Sys_FindDialogResource(int id);
