#pragma once
// Whether the game stands still: nothing will change by itself, and the hero
// takes keys on the next gameplay tick.

// True while a level is played, its outcome is open, the hero stands with no
// cooldown left after the next tick, no pawn moves or falls and no explosion
// plays. Then only a key changes what the rules do.
bool GameAtRest();
