// Message boxes, the modal dialog and the end of the program.

#include "platform/sys_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "platform/sys_internal.h"

namespace {

const Dialog* g_dialog = nullptr;
int g_highlight = 0;
int g_exitCode = 0;
constexpr int kSettleFrames = 3;  // what a box or dialog covered is drawn afresh

}  // namespace

void Sys_MessageBox(const char* text, const char* caption, BoxIcon icon) {
    if (Sys_Backend())
        Sys_Backend()->MessageBox(text, caption, icon);
    else
        std::fprintf(stderr, "%s: %s\n", caption, text);
    Sys_WantPaint(kSettleFrames);
}

void Sys_OpenDialog(const Dialog* dialog, int highlighted) {
    if (g_dialog || !dialog)
        return;
    g_dialog = dialog;
    Sys_HighlightChoice(highlighted);
    if (Sys_Backend())
        Sys_Backend()->DialogShown(*dialog);
    Sys_WantPaint(kSettleFrames);
}

const Dialog* Sys_ShownDialog() {
    return g_dialog;
}

void Sys_CloseDialog() {
    g_dialog = nullptr;
    Sys_WantPaint(kSettleFrames);
}

int Sys_DialogHighlight() {
    return g_highlight;
}

void Sys_HighlightChoice(int index) {
    const int count =
        g_dialog && g_dialog->choices ? static_cast<int>(g_dialog->choices->size()) : 0;
    g_highlight = index < 0 || count == 0 ? 0 : (index >= count ? count - 1 : index);
    Sys_WantPaint(kSettleFrames);
}

int Sys_ExitCode() {
    return g_exitCode;
}

void Sys_ExitProcess(int code) {
    g_exitCode = code;
    std::exit(code);
}
