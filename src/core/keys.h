#pragma once
// The key codes the game reads and the platform delivers: the virtual-key
// codes of the desktop the game was written for, one byte each, so that they
// index the table of held keys. Letters and digits are their capital ASCII
// codes. The keys the game plays with also have names, used by the replay
// input, the level files' solutions, the solver and the tests alike; any
// other key is written as its decimal code.

#include <cstdint>
#include <string>

enum KeyCode : int {
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKey0 = 0x30,
    kKeyA = 0x41,
    kKeyX = 0x58,
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

// The name of a named key, else null.
const char* KeyName(int code);
// The code of the key with that name, else 0.
int KeyCodeNamed(const std::string& name);
