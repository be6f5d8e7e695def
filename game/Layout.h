// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <vector>

#include "game/GameState.h"
#include "game/UnitRect.h"

namespace quilto {

// Divides the square board of Rows x Rows units at random into tall blocks,
// strips, squares, dominoes and singles. Sets GridSize, UnitWidth,
// UnitHeight, PieceCount, LaidCount, LaidPieces, EmptySlot and LayoutGrid, resets the
// board frame to BoardWidth x BoardHeight and leaves the outline of piece k
// in win.Shape4[k - 1].
//
// A side of 1 gives a single piece. A side below 1 or above kMaxSide throws
// std::out_of_range and changes nothing.
void BuildMixedLayout(GameState& g);

// The same for a layout already made: pieces[k - 1] becomes piece k, on the
// Rows x Rows units of the settings. The pieces must tile the board (as a
// record that passes CheckSavedGame does).
void LayOutPieces(GameState& g, const std::vector<UnitRect>& pieces);

}  // namespace quilto
