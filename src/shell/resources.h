#pragma once
// The program's resources: the menu, the two dialogs, the cursors and the icon.

enum ResourceId : int {
    IDR_MAINMENU = 101,
    ID_FILE_EXIT = 102,
    IDI_KORVATH = 103,
    IDC_CURSOR_MODE3 = 114,
    IDD_ABOUT = 115,
    IDD_CONTROLS = 116,
    IDC_CURSOR_MODE2 = 207,
    IDC_CURSOR_MODE1 = 208,
    IDC_CURSOR_MODE0 = 209,
    ID_INFO_ABOUT = 40004,
    ID_INFO_CONTROLS = 40005,
};

// Makes the resources known to the platform (once per run of WinMain).
void RegisterResources();
