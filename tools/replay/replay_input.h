#pragma once
// The replay's input: timed key presses, menu commands and dialog answers,
// one a line ("MS down KEY", "MS up KEY", "MS menu exit", "MS ok", "MS
// cancel"), and key presses that wait until the game is at rest ("next KEY").

#include <cstdint>
#include <string>
#include <vector>

// Next: the key is pressed once the game is at rest and held for one tick.
enum class InputKind { KeyDown, KeyUp, Menu, Ok, Cancel, Next };

struct InputEvent {
    uint32_t time;  // 0 for Next, which has no time
    InputKind kind;
    int code;                // the virtual-key code, or the menu command's id
    int line = 0;            // the line of the input it was read from
    std::vector<int> chord;  // Next: every key held together ("next Up+Right")
};

// Parses text; on a bad line returns false with "NAME:LINE: reason" in error.
bool ParseInput(const std::string& text, const std::string& name, std::vector<InputEvent>* events,
                std::string* error);

// Reads and parses the file at path.
bool ReadInputFile(const std::string& path, std::vector<InputEvent>* events, std::string* error);

// The word a key is written with: its name (core/keys.h), or its decimal code.
std::string KeyWord(int virtualKey);

// The word a menu command is written with ("exit", "about", "controls",
// "undo", "redo", "hint", "restart", "levels", "deadends", "level3"), or its decimal id
// for any other.
std::string MenuCommandName(int command);
