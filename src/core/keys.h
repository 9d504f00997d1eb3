#pragma once
// The key codes the game reads and the platform delivers: the virtual-key
// codes of the desktop the game was written for, one byte each, so that they
// index the table of held keys. Letters and digits are their capital ASCII
// codes; the replay tool writes any other key as its decimal code.

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
