#pragma once
// The data names its files with backslashes ("./gamedata\levels.xml",
// ".\crate.ms3d"). Every file the program reads goes through these functions,
// which turn such a path into one the host understands at the moment of
// opening, so that all other code keeps and compares the data's spelling.
//
// Level packs come from strangers: a data path must stay inside the game's
// folder (the working folder, which holds gamedata/), and only regular files
// of a size the reader can take are read. A path that leaves the folder (an
// absolute path, a drive letter, a ".." component) is refused as a missing
// file would be; a folder, device or pipe is refused without blocking.

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// The host spelling of a data path: backslashes become the host's separator.
std::string Sys_HostPath(const std::string& dataPath);

// False for a data path that would lead out of the game's folder.
bool Sys_DataPathConfined(const std::string& dataPath);

// Reads a whole data file of at most maxBytes. On failure, why says what went
// wrong: "not found", "cannot be opened", "is not a regular file", "is larger
// than N bytes" or "cannot be read".
bool Sys_ReadDataFile(const std::string& dataPath, size_t maxBytes, std::vector<char>* bytes,
                      std::string* why);

// The same for a path a person gave (a tool's command line), wherever it leads.
bool Sys_ReadHostFile(const std::string& hostPath, size_t maxBytes, std::vector<char>* bytes,
                      std::string* why);

// One line on standard error naming a data file and what is wrong with it,
// so that a designer can find the fault behind a box or a silent slot.
void Sys_ReportFileProblem(const std::string& dataPath, const std::string& why);

// fopen on the host spelling of a path a person gave (input files, recordings).
FILE* Sys_OpenFile(const std::string& path, const char* mode);
