// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Shuffle.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "game/Exchange.h"
#include "game/Neighbours.h"

namespace quilto {
namespace {

// Steps of a sliding walk: the k = 1, 2, ... while k <= count^power.
std::int64_t WalkSteps(int count, double power) {
    return static_cast<std::int64_t>(std::pow(static_cast<double>(count), power));
}

void Exchange(GameState& g, int a, int b, ExchangeLog* log) {
    SwapPieces(g, a, b);
    if (log) log->emplace_back(static_cast<std::int16_t>(a), static_cast<std::int16_t>(b));
}

// 2 x PieceCount exchanges of two positions drawn at random.
void ShuffleFree(GameState& g, ExchangeLog* log) {
    const int count = g.PieceCount;
    for (int i = 0; i < 2 * count; ++i) {
        const int a = g.rng.Position(count);
        const int b = g.rng.Position(count);
        Exchange(g, a, b, log);
    }
}

// Directions 1..4 of the sliding walk, equally likely, two bits of the
// generator apiece.
class Directions {
public:
    explicit Directions(Random& rng) : rng_(rng) {}
    int Next() {
        if (left_ == 0) {
            bits_ = rng_.Bits();
            left_ = 32;
        }
        const int d = static_cast<int>(bits_ & 3) + 1;
        bits_ >>= 2;
        --left_;
        return d;
    }

private:
    Random& rng_;
    std::uint64_t bits_ = 0;
    int left_ = 0;
};

// The empty slot starts at the last position and wanders, one legal slide
// at a time, in directions drawn until one is possible. The walk runs on the
// board's pictures and pieces held side by side, and every slide is the
// exchange SwapPieces makes; the elements get their pictures at the end.
void ShuffleRegularSlide(GameState& g, ExchangeLog* log) {
    const int count = g.PieceCount;
    const int columns = g.settings.Columns;
    if (count < 1) return;
    g.win.Piece(count).Picture = g.win.Vacio.Picture;
    int e = count;
    g.EmptySlot = static_cast<std::int16_t>(e);
    // A single position has nowhere to slide.
    if (count < 2 || columns < 1) return;

    // Where the slot goes in each direction from each position (0: nowhere):
    // 1 the piece above moves down, 2 the piece to the right moves left,
    // 3 the piece below moves up, 4 the piece to the left moves right.
    struct Slot {
        std::array<std::int16_t, 5> to;  // [d] for d = 1..4
        std::int16_t piece;
        PictureHandle picture;
    };
    std::vector<Slot> board(static_cast<std::size_t>(count) + 1);
    for (int p = 1; p <= count; ++p) {
        const auto at = [](int q) { return static_cast<std::int16_t>(q); };
        board[static_cast<std::size_t>(p)] = {
            {0, at(p > columns ? p - columns : 0), at(p % columns != 0 && p < count ? p + 1 : 0),
             at(p <= count - columns ? p + columns : 0), at((p - 1) % columns != 0 ? p - 1 : 0)},
            g.PieceAt[static_cast<std::size_t>(p)],
            g.win.Piece(p).Picture};
    }

    Directions directions(g.rng);
    const std::int64_t steps = WalkSteps(count, 1.7);
    if (log) log->reserve(log->size() + static_cast<std::size_t>(steps));
    PictureHandle moved = g.win.Puente.Picture;
    for (std::int64_t k = 1; k <= steps; ++k) {
        Slot& empty = board[static_cast<std::size_t>(e)];
        // An impossible direction is simply drawn again.
        int target;
        do {
            target = empty.to[static_cast<std::size_t>(directions.Next())];
        } while (target == 0);
        Slot& from = board[static_cast<std::size_t>(target)];
        moved = from.picture;
        std::swap(from.picture, empty.picture);
        std::swap(from.piece, empty.piece);
        if (log) log->emplace_back(static_cast<std::int16_t>(target), static_cast<std::int16_t>(e));
        e = target;
    }
    for (int p = 1; p <= count; ++p) {
        const Slot& s = board[static_cast<std::size_t>(p)];
        g.PieceAt[static_cast<std::size_t>(p)] = s.piece;
        g.win.Piece(p).Picture = s.picture;
    }
    g.win.Puente.Picture = moved;
    g.EmptySlot = static_cast<std::int16_t>(e);
}

// The empty slot starts on the piece the layout left over the bottom-right
// unit and moves to a neighbour drawn uniformly at each step, which is what
// drawing positions until one touches the empty slot amounts to.
void ShuffleIrregularSlide(GameState& g, ExchangeLog* log) {
    const int count = g.PieceCount;
    if (count < 1) return;
    int e = g.EmptySlot;
    if (e < 1 || e > count) e = count;  // no layout ran: fall back to the last position
    g.win.Piece(e).Picture = g.win.Vacio.Picture;
    g.EmptySlot = static_cast<std::int16_t>(e);

    NeighbourTable neighbours;
    neighbours.Build(g.win.Image1, count, g.UnitWidth / 2);
    // Touching is mutual, so a slot with a neighbour never runs out of them;
    // one without any (a board of one piece) stays where it is.
    if (neighbours.Of(e).empty()) return;

    const std::int64_t steps = WalkSteps(count, 1.5);
    for (std::int64_t k = 1; k <= steps; ++k) {
        const auto around = neighbours.Of(e);
        const auto pick = static_cast<std::size_t>(g.rng.Next() * static_cast<double>(around.size()));
        const int p = around[pick];
        Exchange(g, p, e, log);
        e = p;
        g.EmptySlot = static_cast<std::int16_t>(e);
    }
}

}  // namespace

void Shuffle(GameState& g, ExchangeLog* log) {
    if (!g.settings.fSlide)
        ShuffleFree(g, log);
    else if (!g.settings.fIrregular)
        ShuffleRegularSlide(g, log);
    else
        ShuffleIrregularSlide(g, log);
}

}  // namespace quilto
