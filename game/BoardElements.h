// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board's elements from their cutting to their end: one image element
// per board position, each showing its own rectangle of the loaded picture.
#include "game/GameState.h"
#include "game/PuzzleGeometry.h"

namespace quilto {

// The board and everything on it go: the game on it (won or not), a drag,
// the pieces with every picture cut for them, the frames and the hint dot,
// the F7 marks (the marking is over even while F7 is held), the finished
// picture (and a peek at it). The template stays. BoardSerial changes, so a
// pointer captured by an old piece lets go.
void ClearBoard(GameState& g);

// Creates the hidden elements Image1(1..PieceCount) from the template, each
// with its rectangle of PicClip1: a grid of cells stepped by the template on
// a regular board, the outlines Shape4 on an irregular one. Throws
// BoardTooLarge when a piece would show less than one picture pixel or one
// screen pixel.
void CutPieces(GameState& g, const PictureFit& fit);

}  // namespace quilto
