#pragma once
// --record: the real game window, with every key a person presses written
// down with its real time since start-up, in the replay's input format.

#include <string>

// Plays on the desktop back end and writes the recording to path, and a trace
// (with real times) to tracePath unless it is empty; returns the game's exit
// status (2 when a file cannot be made).
int RecordGame(const std::string& path, const std::string& tracePath);

// --timed: while a replay runs, every key and command it delivers is written
// to path with its time, as timed input lines; a replay of "next" presses so
// becomes input that plays the same in the real window. False when the file
// cannot be made.
bool StartKeyLog(const std::string& path);
void StopKeyLog();
