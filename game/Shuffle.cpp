#include "game/Shuffle.h"

#include <array>
#include <cmath>
#include <cstdint>
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

// The empty slot starts at the last position and wanders, one legal slide
// at a time, in directions drawn until one is possible.
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
    std::vector<std::array<int, 4>> moves(static_cast<std::size_t>(count) + 1);
    for (int p = 1; p <= count; ++p)
        moves[static_cast<std::size_t>(p)] = {p > columns ? p - columns : 0, p % columns != 0 && p < count ? p + 1 : 0,
                                              p <= count - columns ? p + columns : 0,
                                              (p - 1) % columns != 0 ? p - 1 : 0};

    const std::int64_t steps = WalkSteps(count, 1.7);
    for (std::int64_t k = 1; k <= steps; ++k) {
        // An impossible direction is simply drawn again.
        int target;
        do {
            target = moves[static_cast<std::size_t>(e)][static_cast<std::size_t>(g.rng.Position(4) - 1)];
        } while (target == 0);
        Exchange(g, target, e, log);
        e = target;
        g.EmptySlot = static_cast<std::int16_t>(e);
    }
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
