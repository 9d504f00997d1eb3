#include "shell/resource_pictures.h"

#include "platform/sys_window.h"
#include "shell/resources.h"

namespace {

// 'X' black, '.' white, other letters colours, blanks transparent.
const char* const kArrow[] = {
    "X               ", "XX              ", "X.X             ", "X..X            ",
    "X...X           ", "X....X          ", "X.....X         ", "X......X        ",
    "X.......X       ", "X........X      ", "X.....XXXXX     ", "X..X..X         ",
    "X.X X..X        ", "XX  X..X        ", "X    X..X       ", "     XXXX       ",
};

const char* const kHand[] = {
    "     XX         ", "    X..X        ", "    X..X        ", "    X..X        ",
    "    X..XXX      ", "    X..X..XXX   ", " XX X..X..X..XX ", "X..XX........X.X",
    "X...X..........X", " X.............X", "  X............X", "  X...........X ",
    "   X..........X ", "    X........X  ", "     X.......X  ", "     XXXXXXXXX  ",
};

const char* const kCross[] = {
    "       XX       ", "       X.X      ", "       X.X      ", "       X.X      ",
    "       X.X      ", "       X.X      ", "XXXXXXXX.XXXXXXX", "X..............X",
    "XXXXXXXX.XXXXXXX", "       X.X      ", "       X.X      ", "       X.X      ",
    "       X.X      ", "       X.X      ", "       XX       ", "                ",
};

const char* const kHourglass[] = {
    "XXXXXXXXXXXX    ", "X..........X    ", " X........X     ", "  X......X      ",
    "   X....X       ", "    X..X        ", "     XX         ", "    X..X        ",
    "   X....X       ", "  X......X      ", " X........X     ", "X..........X    ",
    "XXXXXXXXXXXX    ", "                ", "                ", "                ",
};

// A little hero in front of a crate.
const char* const kIcon[] = {
    "DDDDDDDDDDDDDDDD", "DBBBBBBBBBBBBBBD", "DBBBBBYYYYBBBBBD", "DBBBBYYYYYYBBBBD",
    "DBBBBYXYYXYBBBBD", "DBBBBYYYYYYBBBBD", "DBBBBBRRRRBBBBBD", "DBBBRRRRRRRRBBBD",
    "DBBBRRRRRRRRBBBD", "DGGGGRRRRRRGGGGD", "DGYYYGRRRRGYYYGD", "DGYYYGXXXXGYYYGD",
    "DGYYYGXBBXGYYYGD", "DGGGGGXBBXGGGGGD", "DGGGGGXBBXGGGGGD", "DDDDDDDDDDDDDDDD",
};

}  // namespace

void RegisterPictureResources() {
    Sys_RegisterCursorResource({IDC_CURSOR_MODE0, 16, 16, 0, 0, kArrow});
    Sys_RegisterCursorResource({IDC_CURSOR_MODE1, 16, 16, 5, 0, kHand});
    Sys_RegisterCursorResource({IDC_CURSOR_MODE2, 16, 16, 8, 7, kCross});
    Sys_RegisterCursorResource({IDC_CURSOR_MODE3, 16, 16, 6, 6, kHourglass});
    Sys_RegisterIconResource({IDI_KORVATH, 16, 16, 0, 0, kIcon});
}
