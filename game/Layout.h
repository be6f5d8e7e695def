#pragma once
#include "game/GameState.h"

namespace quilto {

// Divides the square board of Rows x Rows units at random into tall blocks,
// strips, squares, dominoes and singles. Sets GridSize, UnitWidth,
// UnitHeight, PieceCount, LaidCount, EmptySlot and LayoutGrid, resets the
// board frame to BoardWidth x BoardHeight and leaves the outline of piece k
// in win.Shape4[k - 1].
void BuildMixedLayout(GameState& g);

}  // namespace quilto
