#pragma once
#include "game/GameState.h"

namespace quilto {

// Cuts the loaded picture into a new, shuffled board and starts the game.
// Without a picture it asks for one instead; during a game it asks first
// unless fSkipConfirm is set. A board it cannot build (too many pieces for
// the picture or the screen, or settings the configuration dialog would
// refuse) is reported, leaves no board behind, and opens the configuration
// dialog; accepted new values give a new attempt.
void NewPuzzle(GameState& g);

}  // namespace quilto
