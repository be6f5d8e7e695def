// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>

#include "game/GameState.h"

namespace quilto {

// Exchanges the pictures shown at board positions p and q, and their PieceAt
// entries. p == q changes nothing.
void SwapPieces(GameState& g, int p, int q);

// Sets fAdjacent when the elements of positions a and b touch along an edge.
void TestAdjacent(GameState& g, int a, int b);

// The edges of an element's box, each side rounded to a whole window unit
// (halves to the even neighbour) before right and bottom are added up.
struct PieceEdges {
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};
PieceEdges EdgesOf(const Box& box);

// Two boxes touch along an edge when the gap across it is under halfUnit and
// they run side by side along it for more than 5 window units. Corners alone
// do not count. Symmetric in its two boxes.
bool Adjacent(const PieceEdges& a, const PieceEdges& b, double halfUnit);

}  // namespace quilto
