#pragma once
// Where the game's data is. The data's own paths begin with the data folder
// ("./gamedata\levels.xml"), so the game runs in the folder that holds it.

#include <string>

// The folder that holds gamedata/: the parent of the folder named by the
// environment variable KORVATH_DATA when it is set; else the current folder
// when gamedata/ is in it; else the installed data beside the program
// (<program folder>/../share/games/korvath, else ../share/korvath). Empty,
// with the reason in why, when KORVATH_DATA names something else than a
// folder called gamedata, or when no data can be found at all.
std::string FindGameRoot(const char* programPath, std::string* why);
