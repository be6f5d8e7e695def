// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "game/GameState.h"

namespace quilto {

// Counts the pieces at home; when every one is, the puzzle is won: the
// slippery pieces stop, the finished picture covers the board, the win cue
// plays and "Lo has logrado!" is said. It does not look at fPlaying, so a
// board found solved during play is announced at the first check; a puzzle
// already won is not announced again. A board without pieces is never won.
void CheckCompletion(GameState& g);

}  // namespace quilto
