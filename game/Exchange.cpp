// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Exchange.h"

#include <cmath>
#include <utility>

#include "game/Numbers.h"

namespace quilto {

void SwapPieces(GameState& g, int p, int q) {
    if (p == q) return;
    Element& a = g.win.Piece(p);
    Element& b = g.win.Piece(q);
    g.win.Puente.Picture = a.Picture;
    a.Picture = b.Picture;
    b.Picture = g.win.Puente.Picture;
    std::swap(g.PieceAt[static_cast<std::size_t>(p)], g.PieceAt[static_cast<std::size_t>(q)]);
}

PieceEdges EdgesOf(const Box& box) {
    PieceEdges e;
    e.Left = ToInt32(box.Left);
    e.Top = ToInt32(box.Top);
    e.Right = e.Left + ToInt32(box.Width);
    e.Bottom = e.Top + ToInt32(box.Height);
    return e;
}

namespace {

// b lies to the right of a.
bool RightOf(const PieceEdges& a, const PieceEdges& b, double h) {
    return std::abs(static_cast<double>(a.Right - b.Left)) < h && a.Bottom - b.Top > 5 && b.Bottom - a.Top > 5;
}

// b lies below a.
bool Below(const PieceEdges& a, const PieceEdges& b, double h) {
    return std::abs(static_cast<double>(a.Bottom - b.Top)) < h && a.Right - b.Left > 5 && b.Right - a.Left > 5;
}

}  // namespace

bool Adjacent(const PieceEdges& a, const PieceEdges& b, double halfUnit) {
    // Right, below, left, above: the last two are the first two seen from b.
    return RightOf(a, b, halfUnit) || Below(a, b, halfUnit) || RightOf(b, a, halfUnit) || Below(b, a, halfUnit);
}

void TestAdjacent(GameState& g, int a, int b) {
    g.fAdjacent = false;
    const Box& boxA = g.win.Image1.at(static_cast<std::size_t>(a)).box;
    const Box& boxB = g.win.Image1.at(static_cast<std::size_t>(b)).box;
    g.fAdjacent = Adjacent(EdgesOf(boxA), EdgesOf(boxB), g.UnitWidth / 2);
}

}  // namespace quilto
