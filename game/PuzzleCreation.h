#pragma once
// Puzzle creation once a picture is loaded: the question during a game, the
// board cut from the picture and shuffled, and the way out of a board that
// cannot be built.
#include "game/GameState.h"

namespace quilto {

// During a game it asks "Quieres empezar otro puzzle?" first, unless
// fSkipConfirm is set. A board it cannot build (too many pieces for the
// picture or the screen, or settings the configuration dialog would refuse)
// is reported, leaves no board behind, and opens the configuration dialog;
// accepted new values give a new attempt.
void CreatePuzzle(GameState& g);

}  // namespace quilto
