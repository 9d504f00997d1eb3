#pragma once
// The key codes the game reads and the platform delivers: the virtual-key
// codes of the desktop the game was written for, one byte each, so that they
// index the table of held keys. Letters and digits are their capital ASCII
// codes. The keys the game plays with also have names, used by the replay
// input, the level files' solutions, the solver and the tests alike; so do
// the keys of the player's commands (undo, redo, hint, restart). Any other
// key is written as its decimal code.

#include <cstdint>
#include <string>

enum KeyCode : int {
    kKeyBackspace = 0x08,
    kKeyReturn = 0x0D,
    kKeyShift = 0x10,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKey0 = 0x30,
    kKeyA = 0x41,
    kKeyH = 0x48,
    kKeyR = 0x52,
    kKeyX = 0x58,
    kKeyY = 0x59,
    kKeyZ = 0x5A,
    kKeyF1 = 0x70,
    kKeyF4 = 0x73,
};

// Codes run from 1 to 255; the table of held keys has this many entries.
constexpr int kKeyCodeCount = 256;

// 1 while the key with that code is held, else 0.
using KeyDownTable = uint8_t[kKeyCodeCount];

// The keys the game reads, with their names, in this order: Left, Right, Up,
// Down, Space, X.
struct NamedKey {
    const char* name;
    int code;
};
constexpr int kNamedKeyCount = 6;
extern const NamedKey kNamedKeys[kNamedKeyCount];

// The player's commands beside play, by key: Undo (Z; Backspace too),
// Redo (Y; Shift+Z too), Hint (H), Restart (R: the level from its start).
constexpr int kCommandKeyCount = 4;
extern const NamedKey kCommandKeys[kCommandKeyCount];

// The name of a named key or command key, else null.
const char* KeyName(int code);
// The code of the key or command key with that name, else 0.
int KeyCodeNamed(const std::string& name);
// True for the keys the rules read (kNamedKeys).
bool IsPlayKey(int code);
