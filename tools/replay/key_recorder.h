#pragma once
// --record: the real game window, with every key a person presses written
// down with its real time since start-up, in the replay's input format.

#include <string>

// Plays on the desktop back end and writes the recording to path; returns the
// game's exit status (2 when the file cannot be made, 1 without a display).
int RecordGame(const std::string& path);
