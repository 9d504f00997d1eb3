#pragma once
// What must hold between any two passes of the main loop, whatever the rules
// did: nothing points at a pawn the level no longer holds, and every pawn
// shows a frame its template has (a frame past the end draws nothing).

#include <string>

// Empty while everything holds; else what broke first.
std::string BrokenInvariant();
