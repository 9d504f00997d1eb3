// Message boxes, modal dialogs and the end of the program.

#include "platform/sys_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/sys_backend.h"
#include "platform/sys_native.h"

namespace {

std::vector<void (*)()> g_exitHooks;
int g_exitCode = 0;
HWND g_activeDialog = nullptr;

LRESULT DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (dialog->dialogProc && dialog->dialogProc(dialog, message, wParam, lParam))
        return 1;
    return message == WM_CLOSE ? 0 : DefWindowProc(dialog, message, wParam, lParam);
}

HWND NewDialogWindow(const DialogResource& resource, HWND parent, DLGPROC proc) {
    static const char* kClass = "#32770";
    WNDCLASSEX cls{};
    if (!GetClassInfoEx(nullptr, kClass, &cls)) {
        cls.cbSize = sizeof(WNDCLASSEX);
        cls.lpfnWndProc = DialogWindowProc;
        cls.lpszClassName = kClass;
        RegisterClassEx(&cls);
    }
    HWND dialog = CreateWindowEx(0, kClass, resource.caption, WS_POPUP, 0, 0, 0, 0, parent, 0,
                                 nullptr, nullptr);
    if (dialog) {
        dialog->dialog = &resource;
        dialog->dialogProc = proc;
        dialog->dialogOpen = true;
    }
    return dialog;
}

// Enter presses the default button, Escape asks to cancel; the dialog takes
// every key message so that none reaches the window behind it.
bool HandleDialogKey(HWND dialog, const MSG& msg) {
    if (msg.hwnd != dialog)
        return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)
        SendMessage(dialog, WM_COMMAND, IDOK, 0);
    else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        SendMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    else if (msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSKEYUP &&
             msg.message != WM_KEYUP && msg.message != WM_KEYDOWN)
        return false;
    return true;
}

// Dispatches messages until the dialog ends; false when a quit message came.
bool RunModalLoop(HWND dialog) {
    while (IsWindow(dialog) && dialog->dialogOpen) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (Sys_Backend())
                Sys_Backend()->DialogIdle(dialog);
            Sys_WaitMessage(100);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!HandleDialogKey(dialog, msg))
            DispatchMessage(&msg);
    }
    return true;
}

}  // namespace

int Sys_MessageBox(const char* text, const char* caption, unsigned type) {
    if (Sys_Backend())
        return Sys_Backend()->MessageBox(text ? text : "", caption ? caption : "", type);
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
}

intptr_t DialogBoxParam(HINSTANCE /*instance*/, int templateId, HWND parent, DLGPROC proc,
                        LPARAM param) {
    const DialogResource* resource = Sys_FindDialogResource(templateId);
    if (!resource || !proc || g_activeDialog)
        return -1;  // one modal dialog at a time
    HWND dialog = NewDialogWindow(*resource, parent, proc);
    if (!dialog)
        return -1;
    g_activeDialog = dialog;
    if (Sys_Backend())
        Sys_Backend()->DialogShown(*resource);
    SendMessage(dialog, WM_INITDIALOG, 0, param);
    UI_WantFrames();
    Sys_InvalidateAll();
    RunModalLoop(dialog);
    intptr_t result = IsWindow(dialog) ? dialog->dialogResult : 0;
    g_activeDialog = nullptr;
    DestroyWindow(dialog);
    UI_WantFrames();
    Sys_InvalidateAll();
    return result;
}

bool EndDialog(HWND dialog, intptr_t result) {
    if (!IsWindow(dialog) || !dialog->dialog)
        return false;
    dialog->dialogResult = result;
    dialog->dialogOpen = false;
    return true;
}

HWND Sys_ActiveDialog() {
    return IsWindow(g_activeDialog) ? g_activeDialog : nullptr;
}

void Sys_AtExit(void (*hook)()) {
    g_exitHooks.push_back(hook);
}

void Sys_RunExitHooks() {
    while (!g_exitHooks.empty()) {
        void (*hook)() = g_exitHooks.back();
        g_exitHooks.pop_back();
        hook();
    }
}

int Sys_ExitCode() {
    return g_exitCode;
}

void Sys_ExitProcess(int code) {
    g_exitCode = code;
    Sys_RunExitHooks();
    std::fflush(nullptr);
    std::exit(code);
}
