#include "game/rest_state.h"

#include "game/pawn_motion.h"
#include "world/template_roles.h"

namespace {

// Only the Playing phase runs gameplay ticks; every other phase moves on by
// itself (loading, the next level) or never reads keys (the end picture).
bool LevelInPlay(const Position& position) {
    return position.GameState == kGameRunning && position.LevelPhase == kPhasePlaying;
}

// A dead hero is restored, and a finished level left, when the phase timer
// fires: both change the level without a key.
bool OutcomeOpen(const Position& position) {
    return !position.LevelFinished && !position.HeroDead;
}

// The tick lowers the cooldown before it looks at the keys and reads them
// once it is 0, so a cooldown of 1 still lets the next tick take a key. The
// hero must also have stood through one tick where he is: his touch rules
// (a pickup, a deadly cell, a checkpoint) and the wake-up of the pawns around
// him run then, without a key.
bool HeroTakesKeys(const Position& position) {
    const Pawn* hero = position.PlayerPawn();
    return hero && MoveFinished(*hero) && position.HeroLookedAround && position.InputCooldown <= 1;
}

// Each tick re-examines every pawn whose move has ended and that is not known
// to rest (it falls, rolls on or settles), so once every move has ended and
// nothing falls, no pawn starts moving without input.
bool NothingMoves(const Position& position) {
    for (int32_t at : position.Index->MovingPawns) {
        const Pawn& pawn = position.LevelPawns[at];
        if (!MoveFinished(pawn) || pawn.Falling)
            return false;
    }
    return true;
}

// An explosion stays a pawn of the level until the animation step removes it
// after its last frame: until then the level still changes without a key.
// Explosions are appended last, so the walk starts from the end.
bool ExplosionPlaying(const Position& position) {
    for (auto pawn = position.LevelPawns.rbegin(); pawn != position.LevelPawns.rend(); ++pawn)
        if (IsExplosion(*pawn->Template))
            return true;
    return false;
}

}  // namespace

bool GameAtRest(const Position& position) {
    return LevelInPlay(position) && OutcomeOpen(position) && HeroTakesKeys(position) &&
           NothingMoves(position) && !ExplosionPlaying(position);
}

void ForgetSpentCooldown(Position* position) {
    if (GameAtRest(*position))  // so its cooldown is 0 or 1
        position->InputCooldown = 0;
}

Position AtRestForm(const Position& position) {
    Position copy = position;
    ForgetSpentCooldown(&copy);
    return copy;
}

bool LevelBeingPlayed(const Position& position) {
    return LevelInPlay(position) && !position.LevelFinished;
}
