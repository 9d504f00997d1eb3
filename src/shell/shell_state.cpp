#include "shell/shell_state.h"

HINSTANCE ApplicationInstance = nullptr;
HWND MainWindow = nullptr;
HWND GLWindow = nullptr;
GLRenderer* SceneRendererPtr = nullptr;

int ClientWidth = 0;
int ClientHeight = 0;

HCURSOR Cursors[kCursorCount] = {};
int CursorMode = 0;

int ExitStatus = 0;
bool FatalErrorShown = false;
