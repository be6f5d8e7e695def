// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/KeyboardPlay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "game/Exchange.h"
#include "game/PointerPlay.h"
#include "game/Sliding.h"

namespace quilto {
namespace {

std::optional<Direction> ArrowOf(int keyCode) {
    switch (keyCode) {
        case kKeyLeft:
            return Direction::Left;
        case kKeyUp:
            return Direction::Up;
        case kKeyRight:
            return Direction::Right;
        case kKeyDown:
            return Direction::Down;
        default:
            return std::nullopt;
    }
}

bool Horizontal(Direction d) { return d == Direction::Left || d == Direction::Right; }

// Twice an element's centre along one axis, in whole units.
std::int64_t Centre2(const PieceEdges& e, bool alongX) { return alongX ? e.Left + e.Right : e.Top + e.Bottom; }

// How far b lies beyond a in direction d (negative: not beyond), and by how
// much they overlap across it.
std::int64_t Gap(const PieceEdges& a, const PieceEdges& b, Direction d) {
    switch (d) {
        case Direction::Left:
            return a.Left - b.Right;
        case Direction::Up:
            return a.Top - b.Bottom;
        case Direction::Right:
            return b.Left - a.Right;
        case Direction::Down:
            return b.Top - a.Bottom;
    }
    return -1;
}
std::int64_t Overlap(const PieceEdges& a, const PieceEdges& b, Direction d) {
    return Horizontal(d) ? std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top)
                         : std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
}

// An element's size along the way of travel.
std::int64_t Extent(const PieceEdges& e, Direction d) { return Horizontal(d) ? e.Right - e.Left : e.Bottom - e.Top; }

Direction Opposite(Direction d) {
    switch (d) {
        case Direction::Left:
            return Direction::Right;
        case Direction::Up:
            return Direction::Down;
        case Direction::Right:
            return Direction::Left;
        case Direction::Down:
            return Direction::Up;
    }
    return d;
}

void ShowCursor(GameState& g, int slot) {
    g.KeySlot = static_cast<std::int16_t>(slot);
    Element& frame = g.win.KeyFrame;
    frame.box = g.win.Piece(slot).box;
    frame.Visible = true;
    g.win.BringToFront(frame);  // over the marks and the hint
}

void Slide(GameState& g, Direction d) {
    if (!IsPiece(g, g.EmptySlot)) return;  // no empty slot to move into
    const int p = SlidingNeighbour(g, d);
    if (p == 0)
        g.PlayCue(Sound::NoMueve);
    else
        Image1_Click(g, p);
}

void MoveCursor(GameState& g, Direction d) {
    if (!IsPiece(g, g.KeySlot)) {
        if (const int centre = CentrePiece(g)) ShowCursor(g, centre);
        return;
    }
    if (!g.win.KeyFrame.Visible) {  // hidden by a mouse press: it shows where it was
        ShowCursor(g, g.KeySlot);
        return;
    }
    const int next = CursorNeighbour(g, g.KeySlot, d);
    if (next == 0) return;
    ShowCursor(g, next);
    if (g.fKeyCarrying) TrialExchange(g, next);
}

// Space or Enter: picks up, or puts down what the keyboard picked up. A
// drag the mouse holds is the mouse's.
void PickUpOrPutDown(GameState& g) {
    if (g.fKeyCarrying) {
        Image1_MouseUp(g, g.DragSlot);
        return;
    }
    if (g.fDragging || !g.win.KeyFrame.Visible || !IsPiece(g, g.KeySlot)) return;
    Image1_MouseDown(g, g.KeySlot, kLeftButton);
    g.fKeyCarrying = g.fDragging;
}

// Esc: the right button's press and release over the picked-up piece.
void Cancel(GameState& g) {
    if (!g.fKeyCarrying) return;
    const int slot = g.DragSlot;
    Image1_MouseDown(g, slot, kRightButton);
    Image1_MouseUp(g, slot);
}

}  // namespace

bool IsPlayKey(int keyCode) {
    return ArrowOf(keyCode).has_value() || keyCode == kKeySpace || keyCode == kKeyEnter || keyCode == kKeyEscape;
}

int CursorNeighbour(const GameState& g, int from, Direction d) {
    if (!IsPiece(g, from)) return 0;
    const PieceEdges a = EdgesOf(g.win.Piece(from).box);
    const bool alongX = !Horizontal(d);  // the centre line runs the way of travel
    int best = 0;
    std::int64_t bestGap = 0, bestOff = 0;
    for (int p = 1; p <= g.PieceCount && IsPiece(g, p); ++p) {
        if (p == from) continue;
        const PieceEdges b = EdgesOf(g.win.Piece(p).box);
        // Lying that way: its near side past from's centre, its far side past
        // from's far side; a piece a pixel's rounding over from's side still
        // counts, and an overlap across of that size does not.
        const std::int64_t gap = Gap(a, b, d);
        if (2 * gap + Extent(a, d) <= 0 || gap + Extent(b, d) <= 0 || Overlap(a, b, d) <= kUnitsPerPixel) continue;
        const std::int64_t off = std::abs(Centre2(b, alongX) - Centre2(a, alongX));
        if (best == 0 || gap < bestGap || (gap == bestGap && off < bestOff)) best = p, bestGap = gap, bestOff = off;
    }
    return best;
}

int SlidingNeighbour(const GameState& g, Direction d) {
    const int e = g.EmptySlot;
    if (!IsPiece(g, e)) return 0;
    // The piece comes from the side opposite the arrow.
    const Direction from = Opposite(d);
    if (!g.settings.fIrregular) {
        const int columns = g.settings.Columns;
        if (columns < 1) return 0;
        const int column = (e - 1) % columns;
        const int p = from == Direction::Left    ? (column > 0 ? e - 1 : 0)
                      : from == Direction::Right ? (column + 1 < columns ? e + 1 : 0)
                      : from == Direction::Up    ? e - columns
                                                 : e + columns;
        return IsPiece(g, p) ? p : 0;
    }
    const PieceEdges a = EdgesOf(g.win.Piece(e).box);
    const double halfUnit = g.UnitWidth / 2;
    const bool alongX = !Horizontal(d);
    int best = 0;
    std::int64_t bestOff = 0;
    for (int p = 1; p <= g.PieceCount && IsPiece(g, p); ++p) {
        if (p == e) continue;
        const PieceEdges b = EdgesOf(g.win.Piece(p).box);
        // Touching along the side it comes from: the sliding test, and the
        // gap across that side within its tolerance.
        if (!Adjacent(a, b, halfUnit) || std::abs(static_cast<double>(Gap(a, b, from))) >= halfUnit) continue;
        const std::int64_t off = std::abs(Centre2(b, alongX) - Centre2(a, alongX));
        if (best == 0 || off < bestOff) best = p, bestOff = off;
    }
    return best;
}

int CentrePiece(const GameState& g) {
    const int n = std::min<int>(g.PieceCount, static_cast<int>(g.win.Image1.size()) - 1);
    if (n < 1) return 0;
    PieceEdges all = EdgesOf(g.win.Piece(1).box);
    for (int p = 2; p <= n; ++p) {
        const PieceEdges b = EdgesOf(g.win.Piece(p).box);
        all = {std::min(all.Left, b.Left), std::min(all.Top, b.Top), std::max(all.Right, b.Right),
               std::max(all.Bottom, b.Bottom)};
    }
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int p = 1; p <= n; ++p) {
        const PieceEdges b = EdgesOf(g.win.Piece(p).box);
        const auto dx = static_cast<double>(Centre2(b, true) - Centre2(all, true));
        const auto dy = static_cast<double>(Centre2(b, false) - Centre2(all, false));
        if (dx * dx + dy * dy < bestDistance) best = p, bestDistance = dx * dx + dy * dy;
    }
    return best;
}

void PlayKeyDown(GameState& g, int keyCode, bool repeat) {
    if (!g.fPlaying || g.fWon || g.win.Image2.Visible || g.PieceCount < 1) return;
    if (const std::optional<Direction> d = ArrowOf(keyCode)) {
        if (g.settings.fSlide)
            Slide(g, *d);
        else
            MoveCursor(g, *d);
        return;
    }
    if (repeat || g.settings.fSlide) return;
    if (keyCode == kKeyEscape)
        Cancel(g);
    else
        PickUpOrPutDown(g);
}

}  // namespace quilto
