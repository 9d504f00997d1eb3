#pragma once
// The numbers the game's rules give a meaning, and what they make of a
// template's pawns. The template slots the rules turn pawns into (or draw),
// the template IDs they test, the values of SpecialFlag and the model slots
// the renderer draws by itself are named here; and each role a template's
// numbers give it (which index lists hold its pawns, whether the rules can
// ever move or change them, the level tool's class) is decided here once,
// for the game and the tools alike. A slot names a template in the table; an
// ID is a field of the template in it: the two are compared only with their
// own kind.

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

// The index lists of a level (world/level.h), one role each.
inline bool IsHero(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagHero;
}
inline bool IsExit(const PawnTemplate& t) {
    return t.ID == kIdExit;
}
inline bool IsGate(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagGate;
}
inline bool IsDestructible(const PawnTemplate& t) {
    return t.ID == kIdDestructible;
}
// Counted as carried whenever a blocker stands anywhere in its column.
inline bool CarriedInColumn(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagCarriedInColumn;
}
// Stepped by the physics every tick.
inline bool CanMove(const PawnTemplate& t) {
    return t.WeightCrate || t.WeightRock || t.WeightHero || CarriedInColumn(t);
}
// Stops or carries others.
inline bool Blocks(const PawnTemplate& t) {
    return t.BlocksCrate || t.BlocksRock || t.BlocksHero;
}
// A cell the hero acts on with Up or Down: a ladder or a switch.
inline bool IsCellAction(const PawnTemplate& t) {
    return t.Ladder || t.SpecialFlag == kFlagSwitchDown || t.SpecialFlag == kFlagSwitchUp;
}

// What the hero meets in his cell: one more bomb, death, a restart point.
inline bool IsBombPickup(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagBombPickup;
}
inline bool IsDeadly(const PawnTemplate& t) {
    return t.ID == kIdDeadly;
}
inline bool IsCheckpoint(const PawnTemplate& t) {
    return t.ID == kIdCheckpoint;
}
// In the index of what the hero meets: collectables, deadly cells, checkpoints.
inline bool IsPickup(const PawnTemplate& t) {
    return t.Collectable || IsDeadly(t) || IsCheckpoint(t);
}

// Carrying and blocking: a holder works in its own cell, a tall blocker
// three rows up; a ladder holds the hero in it or on its top.
inline bool IsHolder(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagHolder;
}
inline bool IsTall(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagTall;
}
inline bool IsLadderCell(const PawnTemplate& t) {
    return t.ID == kIdLadder;
}

inline bool IsRollingBarrel(const PawnTemplate& t) {
    return t.ID == kIdRollingLeft || t.ID == kIdRollingRight;
}
inline bool IsSwitch(const PawnTemplate& t) {
    return t.ID == kIdSwitchUp || t.ID == kIdSwitchDown;
}

// How it is drawn: explosions last, some kinds kept in view farther out,
// some drawn 10 units above their cell.
inline bool IsExplosion(const PawnTemplate& t) {
    return t.ID == kIdExplosion;
}
inline bool KeptInWideView(const PawnTemplate& t) {
    return t.ID == kIdWideView;
}
inline bool IsRaised(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagRaised;
}
// Leaves the level once its animation has played.
inline bool LeavesAfterAnimation(const PawnTemplate& t) {
    return t.SpecialFlag == kFlagOneShot && t.IsAnimated();
}

// Some rule may move the template's pawns, turn them into another kind, set
// their pending move or take them out of the level. A pawn of any other
// template stays as it was loaded until its level ends.
inline bool RulesCanChange(const PawnTemplate& t) {
    return CanMove(t) || t.Sliding || t.Rolling || IsHero(t) || IsDestructible(t) || IsGate(t) ||
           IsSwitch(t) || IsCheckpoint(t) || IsBombPickup(t) || LeavesAfterAnimation(t);
}

// A blocker that stays in its cell for good: nothing pushes, blows up,
// swaps or removes it.
inline bool IsFixedBlocker(const PawnTemplate& t) {
    return Blocks(t) && !RulesCanChange(t);
}

// The rules find its pawns by cell, so they must stand on the grid.
inline bool HasRuleRole(const PawnTemplate& t) {
    return CanMove(t) || Blocks(t) || IsCellAction(t) || IsPickup(t) || IsGate(t) ||
           IsDestructible(t) || IsExit(t);
}

// A level lists still pawns first, then the pawns that move, then the hero,
// so that what is pushed or falls settles before the hero looks.
enum class PawnClass { kStill = 0, kMoving = 1, kHero = 2 };
inline PawnClass ClassOf(const PawnTemplate& t) {
    if (IsHero(t))
        return PawnClass::kHero;
    return CanMove(t) ? PawnClass::kMoving : PawnClass::kStill;
}
