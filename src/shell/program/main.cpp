// The korvath program: the game on the desktop back end.

#include <cstdio>
#include <string>

#include "platform/sys_command_line.h"
#include "platform/sys_data_folder.h"
#include "platform/sys_main.h"
#include "platform/sys_process.h"
#include "platform/sys_user_folder.h"
#include "shell/game_main.h"

namespace {

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: korvath [--help] [--version]\n"
    "A puzzle game seen from the side. Left/Right move, Up climbs, throws a switch\n"
    "or enters the door, Down climbs down, Space sets off a bomb, X resets to the\n"
    "last checkpoint. Z or Backspace undoes the last press, Y or Shift+Z redoes it,\n"
    "H shows a hint, R restarts the level; Game > Levels... plays any level reached.\n"
    "Shift with an arrow looks ahead over the level while the hero waits.\n"
    "Alt+Enter switches full screen, Alt+F4 ends the game; Enter or OK closes a\n"
    "dialog. A gamepad's d-pad moves, A sets off a bomb, B resets, the shoulders\n"
    "undo and redo, Y shows a hint. Info > Controls lists every key.\n"
    "The data is found in $KORVATH_DATA, else ./gamedata, else beside the program\n"
    "in ../share/games/korvath/gamedata or ../share/korvath/gamedata. Progress is\n"
    "kept in $XDG_DATA_HOME/korvath (else ~/.local/share/korvath).\n";

// -1 to play, else the status to end with at once.
int CommandLine(int argc, char** argv) {
    if (argc < 2)
        return -1;
    if (int status = Sys_AnswerHelpOrVersion(argc, argv, "korvath", KORVATH_VERSION, kUsage);
        status >= 0)
        return status;
    std::fprintf(stderr, "korvath: unknown option '%s'\n%s", argv[1], kUsage);
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status = CommandLine(argc, argv); status >= 0)
        return status;
    std::string why;
    const std::string root = FindGameRoot(argv[0], &why);
    if (root.empty() || !Sys_EnterFolder(root)) {
        std::fprintf(stderr, "korvath: %s\n",
                     why.empty() ? ("cannot enter " + root).c_str() : why.c_str());
        return kExitDataError;
    }
    if (!Sys_StartDesktop()) {
        std::fprintf(stderr, "Korvath: no display to open a window on.\n");
        return kExitNoGLContext;
    }
    SessionSettings settings;
    settings.progressFolder = Sys_UserDataFolder();
    int status = RunGame(settings);
    Sys_Stop();
    return status;
}
