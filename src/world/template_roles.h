#pragma once
// The numbers the game's rules give a meaning: the template slots the rules
// turn pawns into (or draw), the template IDs they test, the values of
// SpecialFlag, and the model slots the renderer draws by itself. Every part
// of the program names them from here. A slot names a template in the table;
// an ID is a field of the template in it: the two are compared only with
// their own kind.

#include <cstdint>

#include "world/pawn_template.h"

// Template slots, as levels and the rules' swaps name templates.
enum TemplateSlot : int {
    kSlotBlasted = 4,           // what a blast leaves of a destructible
    kSlotGateClosed = 5,        // gates after a switch with kIdSwitchDown is thrown
    kSlotSwitchUp = 15,         // a thrown kIdSwitchDown switch becomes this
    kSlotSwitchDown = 16,       // a thrown kIdSwitchUp switch becomes this
    kSlotExplosion = 21,        // created by a bomb going off
    kSlotLoadingPicture = 31,   // the loading and end pictures
    kSlotRollingLeft = 32,      // a barrel kicked to the left
    kSlotRollingRight = 33,     // a barrel kicked to the right
    kSlotCheckpointTaken = 36,  // a checkpoint that has been reached
    kSlotGateOpen = 39,         // gates after a switch with kIdSwitchUp is thrown
};

// Values of PawnTemplate::ID that the rules test.
enum TemplateId : int32_t {
    kIdDestructible = 3,  // a bomb next to the hero turns it into kSlotBlasted
    kIdLadder = 10,       // holds a hero standing in it or on its top
    kIdSwitchUp = 15,     // thrown, it becomes kSlotSwitchDown
    kIdSwitchDown = 16,   // thrown, it becomes kSlotSwitchUp
    kIdExplosion = 21,    // drawn after everything else
    kIdCheckpoint = 29,   // reached, it becomes kSlotCheckpointTaken
    kIdWideView = 30,     // kept in the draw list within a wider window
    kIdRollingLeft = 32,  // rolls on to the left until something stops it
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
    kFlagSwitchUp = 15,   // a switch cell (with kFlagSwitchDown)
    kFlagSwitchDown = 16,
    kFlagTall = 20,             // blocks three rows, carries 60 units up
    kFlagCarriedInColumn = 30,  // carried by any blocker in its column
};

// Slots of the renderer's model table that it draws itself, not through a
// template: the bomb gauge while a level is played.
enum ModelSlot : int {
    kModelGaugeBomb = 1,  // one small spinning bomb per bomb carried
    kModelGaugeBar = 34,  // the bar that slides out by the bombs carried
};

// The template's pawns are stepped by the physics every tick.
inline bool CanMove(const PawnTemplate& t) {
    return t.WeightCrate || t.WeightRock || t.WeightHero || t.SpecialFlag == kFlagCarriedInColumn;
}

// The template's pawns stop or carry others.
inline bool Blocks(const PawnTemplate& t) {
    return t.BlocksCrate || t.BlocksRock || t.BlocksHero;
}
