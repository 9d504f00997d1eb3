#include "game/rest_state.h"

#include "game/flow_state.h"
#include "game/game_state.h"
#include "game/pawn_motion.h"
#include "world/level.h"
#include "world/template_roles.h"

namespace {

// Only the Playing phase runs gameplay ticks; every other phase moves on by
// itself (loading, the next level) or never reads keys (the end picture).
bool LevelInPlay() {
    return GameState == kGameRunning && LevelPhase == kPhasePlaying;
}

// A dead hero is restored, and a finished level left, when the phase timer
// fires: both change the level without a key.
bool OutcomeOpen() {
    return !LevelFinished && !HeroDead;
}

// The tick lowers the cooldown before it looks at the keys and reads them
// once it is 0, so a cooldown of 1 still lets the next tick take a key. The
// hero must also have stood through one tick where he is: his touch rules
// (a pickup, a deadly cell, a checkpoint) and the wake-up of the pawns around
// him run then, without a key.
bool HeroTakesKeys() {
    return PlayerPawn && MoveFinished(*PlayerPawn) && HeroLookedAround && InputCooldown <= 1;
}

// Each tick re-examines every pawn whose move has ended and that is not known
// to rest (it falls, rolls on or settles), so once every move has ended and
// nothing falls, no pawn starts moving without input.
bool NothingMoves() {
    for (auto* node = MovingPawns.head; node; node = node->next)
        if (!MoveFinished(*node->data) || node->data->Falling)
            return false;
    return true;
}

// An explosion stays a pawn of the level until the animation step removes it
// after its last frame: until then the level still changes without a key.
bool ExplosionPlaying() {
    for (auto* node = LevelPawns.head; node; node = node->next)
        if (node->data.Template->ID == kIdExplosion)
            return true;
    return false;
}

}  // namespace

bool GameAtRest() {
    return LevelInPlay() && OutcomeOpen() && HeroTakesKeys() && NothingMoves() &&
           !ExplosionPlaying();
}
