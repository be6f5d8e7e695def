// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Puzzle creation once a picture is loaded: the question during a game, the
// board cut from the picture and shuffled, and the way out of a board that
// cannot be built.
#include "game/GameState.h"
#include "game/SavedGame.h"

namespace quilto {

// During a game it asks "Quieres empezar otro puzzle?" first, unless
// fSkipConfirm is set. A board it cannot build (too many pieces for the
// picture or the screen, or settings the configuration dialog would refuse)
// is reported, leaves no board behind, and opens the configuration dialog;
// accepted new values give a new attempt.
void CreatePuzzle(GameState& g);

// The board of a kept game (one that passes CheckSavedGame), with the
// settings and the picture already in g: cut as a new puzzle is, for this
// board frame, with the saved layout, pieces, empty slot and bar in place of
// the layout generator and the shuffle. Asks nothing and writes no settings.
// Throws BoardTooLarge, leaving a half-built board: build on a copy.
void RebuildSavedGame(GameState& g, const SavedGame& saved);

}  // namespace quilto
