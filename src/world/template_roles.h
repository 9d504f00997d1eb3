#pragma once
// The numbers the game's rules give a meaning: the template slots the rules
// turn pawns into (or draw), the template IDs they test, and the values of
// SpecialFlag. Every part of the program names them from here.

#include <cstdint>

#include "world/pawn_template.h"

// Template slots, as levels and the rules' swaps name templates.
enum TemplateSlot : int {
    kSlotBlasted = 4,           // what a blast leaves of a destructible
    kSlotGateClosed = 5,        // gates after a switch in slot 16 is thrown
    kSlotSwitchUp = 15,         // the switch position with ID 15
    kSlotSwitchDown = 16,       // the switch position with ID 16
    kSlotExplosion = 21,        // created by a bomb going off
    kSlotLoadingPicture = 31,   // the loading and end pictures
    kSlotRollingLeft = 32,      // a kicked barrel rolling left
    kSlotRollingRight = 33,     // a kicked barrel rolling right
    kSlotCheckpointTaken = 36,  // a checkpoint that has been reached
    kSlotGateOpen = 39,         // gates after a switch in slot 15 is thrown
};

// Values of PawnTemplate::ID that the rules test.
enum TemplateId : int32_t {
    kIdDestructible = 3,  // a bomb next to the hero turns it into kSlotBlasted
    kIdLadder = 10,       // holds a hero standing in it or on its top
    kIdSwitchUp = 15,
    kIdSwitchDown = 16,
    kIdExplosion = 21,  // drawn after everything else
    kIdCheckpoint = 29,
    kIdScenery = 30,  // kept in the draw list within a wider window
    kIdRollingLeft = 32,
    kIdRollingRight = 33,
    kIdDeadly = 34,  // kills the hero; invisible in play
    kIdExit = 35,
};

// Values of PawnTemplate::SpecialFlag.
enum SpecialFlagValue : int32_t {
    kFlagHolder = 1,      // carries and holds what is in its own cell
    kFlagBombPickup = 2,  // taken by the hero: one more bomb
    kFlagOneShot = 4,     // leaves the level after its last animation frame
    kFlagGate = 5,        // swapped by the switches of the row above
    kFlagRaised = 10,     // drawn 10 units above its position
    kFlagHero = 11,       // the player's pawn
    kFlagSwitchUp = 15,
    kFlagSwitchDown = 16,
    kFlagTall = 20,             // blocks three rows, carries 60 units up
    kFlagCarriedInColumn = 30,  // carried by any blocker in its column
};

// The template's pawns are stepped by the physics every tick.
inline bool CanMove(const PawnTemplate& t) {
    return t.WeightCrate || t.WeightRock || t.WeightHero || t.SpecialFlag == kFlagCarriedInColumn;
}

// The template's pawns stop or carry others.
inline bool Blocks(const PawnTemplate& t) {
    return t.BlocksCrate || t.BlocksRock || t.BlocksHero;
}
