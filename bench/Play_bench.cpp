// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's moves on the largest board, with the real canvas painting
// what they changed: one pointer move of a drag, one sliding click that
// moves a whole row, one arrow key moving a piece picked up with the keys.
#include <benchmark/benchmark.h>

#include "PaintedGame.h"
#include "game/Exchange.h"
#include "game/KeyboardPlay.h"
#include "game/NewPuzzle.h"
#include "game/PointerPlay.h"
#include "game/PointerRouting.h"

namespace quilto {
namespace {

using bench::PaintedGame;

// The middle of position p, window units.
std::pair<float, float> Middle(const GameState& g, int p) {
    const Box& b = g.win.Image1[static_cast<std::size_t>(p)].box;
    return {b.Left + b.Width / 2, b.Top + b.Height / 2};
}

// One move of a drag on 65 x 65 to another piece: the hit test scans the
// pieces in order (the targets lie near the end of the scan), the previous
// trial is undone, the new one made, and the changed elements repainted.
void BM_DragMove65(benchmark::State& state) {
    PaintedGame game({65, 65, 3, false, false, false});
    GameState& g = game.g;
    NewPuzzle(g);
    game.Repaint();
    PointerRouter router;
    const auto [sx, sy] = Middle(g, 1);
    router.Press(g, kLeftButton, false, sx, sy);
    const int targets[] = {g.PieceCount - 1, g.PieceCount - 70};
    int k = 0;
    for (auto _ : state) {
        const auto [x, y] = Middle(g, targets[k++ % 2]);
        router.Move(g, x, y);
        game.Repaint();
    }
    state.counters["pieces"] = g.PieceCount;
}
BENCHMARK(BM_DragMove65)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A click at one end of a 65-piece row whose other end is empty: 64 pieces
// slide, the completion check runs, and the row is repainted. The next
// click slides them back.
void BM_SlideRow65(benchmark::State& state) {
    PaintedGame game({65, 65, 3, false, true, false});
    GameState& g = game.g;
    NewPuzzle(g);
    // Walk the empty slot to the start of the first row along legal slides.
    while (g.EmptySlot > 65) {
        SwapPieces(g, g.EmptySlot - 65, g.EmptySlot);
        g.EmptySlot = static_cast<std::int16_t>(g.EmptySlot - 65);
    }
    while (g.EmptySlot > 1) {
        SwapPieces(g, g.EmptySlot - 1, g.EmptySlot);
        g.EmptySlot = static_cast<std::int16_t>(g.EmptySlot - 1);
    }
    game.Repaint();
    PointerRouter router;
    int moved = 0;
    for (auto _ : state) {
        const int target = g.EmptySlot == 1 ? 65 : 1;
        const auto [x, y] = Middle(g, target);
        router.Press(g, kLeftButton, false, x, y);
        router.Release(g, kLeftButton, x, y);
        game.Repaint();
        moved += g.EmptySlot == target;
    }
    if (moved != static_cast<int>(state.iterations())) state.SkipWithError("a click did not slide the row");
}
BENCHMARK(BM_SlideRow65)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One arrow key on 65 x 65 with a piece picked up from the keyboard in the
// board's middle: the neighbour search over every piece, the cursor moved,
// the previous trial undone, the new one made, and the changed elements
// repainted. Left and Right take turns.
void BM_ArrowKey65(benchmark::State& state) {
    PaintedGame game({65, 65, 3, false, false, false});
    GameState& g = game.g;
    NewPuzzle(g);
    PlayKeyDown(g, kKeyRight, false);  // the cursor shows in the middle
    PlayKeyDown(g, kKeySpace, false);
    game.Repaint();
    const int start = g.KeySlot;
    int k = 0;
    for (auto _ : state) {
        PlayKeyDown(g, k++ % 2 ? kKeyLeft : kKeyRight, true);
        game.Repaint();
    }
    if (!g.fDragging || start != 2113 || g.DropSlot == 0) state.SkipWithError("no piece carried across the middle");
}
BENCHMARK(BM_ArrowKey65)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace quilto
