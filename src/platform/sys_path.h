#pragma once
// The data names its files with backslashes ("./gamedata\levels.xml",
// ".\crate.ms3d"). Every file the program opens goes through these functions,
// which turn such a path into one the host understands at the moment of
// opening, so that all other code keeps and compares the data's spelling.

#include <cstdio>
#include <string>

// The host spelling of a data path: backslashes become the host's separator.
std::string Sys_HostPath(const std::string& dataPath);

// fopen on the host spelling of a data path.
FILE* Sys_OpenFile(const std::string& dataPath, const char* mode);
