#pragma once
#include "game/GameState.h"

namespace quilto {

// Exchanges the pictures shown at board positions p and q, and their PieceAt
// entries. p == q changes nothing.
void SwapPieces(GameState& g, int p, int q);

// Sets fAdjacent when the elements of positions a and b touch along an edge.
void TestAdjacent(GameState& g, int a, int b);

}  // namespace quilto
