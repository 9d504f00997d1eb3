#pragma once
// Windows and messages, in the shape of the desktop platform the game was
// written for: window classes by name with window procedures, a message
// queue drained by peek-and-dispatch, sent and posted messages.

#include <cstdint>

struct Window;
using HWND = Window*;
