// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A puzzle created from a 24-megapixel picture and painted for the first
// time on a full-HD window: what the player waits for after "Nuevo".
#include <benchmark/benchmark.h>

#include "PaintedGame.h"
#include "game/NewPuzzle.h"
#include "ui/BoardCanvas.h"

namespace quilto {
namespace {

using bench::App;
using bench::PaintedGame;

void CreateAndPaint(benchmark::State& state, Settings s) {
    App();
    PaintedGame game(s);
    for (auto _ : state) {
        game.g.fSkipConfirm = true;
        NewPuzzle(game.g);
        game.canvas.Sync();
        game.canvas.render(&game.screen);
        benchmark::DoNotOptimize(game.screen.constBits());
    }
    state.counters["pieces"] = game.g.PieceCount;
    // What the board holds beside the picture kept for it, as a share of it.
    const Window& w = game.g.win;
    const double board = w.Image1.capacity() * sizeof(Element) + w.Shape4.capacity() * sizeof(Box) +
                         game.g.pictures.Size() * sizeof(PixelRect) + game.g.PieceAt.capacity() * sizeof(std::int16_t);
    const QImage& kept = bench::KeptPicture(bench::BoardPixels(game.g)).image;
    state.counters["board_share_%"] = 100 * board / static_cast<double>(kept.sizeInBytes());
}

void BM_CreateAndPaint65Sliding(benchmark::State& state) {
    CreateAndPaint(state, {65, 65, 3, false, true, false});
}
void BM_CreateAndPaint65IrregularSliding(benchmark::State& state) {
    CreateAndPaint(state, {65, 65, 3, true, true, false});
}
void BM_CreateAndPaint10(benchmark::State& state) {
    CreateAndPaint(state, {10, 10, 3, false, false, false});
}
BENCHMARK(BM_CreateAndPaint65Sliding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreateAndPaint65IrregularSliding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreateAndPaint10)->Unit(benchmark::kMillisecond)->UseRealTime();

// Repainting one exchanged pair on a 65 x 65 board.
void BM_RepaintAfterExchange65(benchmark::State& state) {
    App();
    PaintedGame game({65, 65, 3, false, false, false});
    NewPuzzle(game.g);
    game.canvas.Sync();
    auto& pieces = game.g.win.Image1;
    const QRect piece = BoardCanvas::ToPixels(pieces[1].box).toAlignedRect();
    for (auto _ : state) {
        std::swap(pieces[1].Picture, pieces[2].Picture);
        game.canvas.Sync();
        game.canvas.render(&game.screen, piece.topLeft(), QRegion(piece.adjusted(-1, -1, 1, 1)));
    }
}
BENCHMARK(BM_RepaintAfterExchange65)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace quilto
