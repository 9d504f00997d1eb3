#pragma once
// Message boxes, the modal dialog and the immediate end of the program.

#include <string>
#include <vector>

enum class BoxIcon { None, Error };

// Shows a message box with one OK button; returns once it is answered.
void Sys_MessageBox(const char* text, const char* caption, BoxIcon icon);

// A block of static text and one default OK button, centred over the window.
// Sizes and positions are in dialog units (about 2 by 1.6 pixels). A dialog
// with choices lists them under the text, one highlighted; its OK carries
// out the command choiceCommand + the highlighted one's index, and a Cancel
// button beside OK closes it without a choice.
struct Dialog {
    const char* caption;
    int width, height;
    int textX, textY;
    // Lines separated by '\n'. A text whose lines hold a tab is set out in
    // two columns (before and after the tab), the block centred across the
    // dialog from textY on; textX is then not used.
    const char* text;
    int okX, okY, okWidth, okHeight;
    const std::vector<std::string>* choices;  // null for none
    int choiceCommand;
};

// Opens the dialog (one at a time; it must outlive its showing). While open
// it takes every key: Enter or a click on OK accepts it; with choices, Up and
// Down move the highlight and Escape cancels. Nothing else closes it.
void Sys_OpenDialog(const Dialog* dialog, int highlighted = 0);
const Dialog* Sys_ShownDialog();  // null when none is open
void Sys_CloseDialog();           // without a choice
int Sys_DialogHighlight();        // the highlighted choice
void Sys_HighlightChoice(int index);

// Ends the program at once with this status (after a box that announced it),
// through std::exit; its handlers can read the status from Sys_ExitCode.
[[noreturn]] void Sys_ExitProcess(int code);
int Sys_ExitCode();  // 0 before
