#pragma once
// Where this user's own game data is kept (the saved progress), apart from the
// game's data, which may sit in a folder the user cannot write.

#include <string>

// $XDG_DATA_HOME/korvath when XDG_DATA_HOME is an absolute path; else
// $HOME/.local/share/korvath when HOME is set; on Windows %APPDATA%\Korvath.
// Empty when the environment names none of them. The folder is not made.
std::string Sys_UserDataFolder();
