// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Slippery pieces: a bar under the board fills in about two seconds; each
// time it is full a quarter of the pieces trade places in random pairs among
// the misplaced ones, never bringing a piece home.
#include <cstdint>
#include <vector>

#include "game/GameState.h"

namespace quilto {

// The one rule for the slippery-pieces clock: Timer1 runs while a puzzle is
// in play and not yet won, with slippery pieces on, no F7 marks, no F8 peek
// and none of the game's boxes waiting. Every pause keeps the bar's width.
bool Timer1Runs(const GameState& g);

// The tick of Timer1, every 100 ms while it runs.
void Timer1_Timer(GameState& g);

// One slippery move: exchanges round-half-even(PieceCount / 4) pairs.
void SlipperyMove(GameState& g);

// The positions that may take part in a slippery move: the misplaced ones,
// and never a sliding board's empty slot. No exchange between them changes
// this set, so it holds for a whole move.
std::vector<std::int16_t> SlipperyCandidates(const GameState& g);

}  // namespace quilto
