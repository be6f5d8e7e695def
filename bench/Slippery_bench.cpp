// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The slippery pieces on the largest board: one move (a quarter of 4225
// pieces exchanged) must stay under a millisecond however few pieces are
// misplaced, and a tick that only grows the bar must cost next to nothing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "game/Exchange.h"
#include "game/MainWindow.h"
#include "game/Slippery.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

// A 65 x 65 slippery game in play with exactly `misplaced` pieces away from
// home, all in one cycle. A move never changes which pieces are misplaced,
// so the board can be moved again and again.
struct SlipperyBoard : test::BoardFixture {
    explicit SlipperyBoard(int misplaced) : BoardFixture(7) {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        MakeRegularBoard(65, 65, 135);
        g.settings.fSlippery = true;
        g.fPlaying = true;
        std::vector<int> positions(static_cast<std::size_t>(g.PieceCount));
        std::iota(positions.begin(), positions.end(), 1);
        std::shuffle(positions.begin(), positions.end(), std::mt19937(11));
        for (int i = 0; i + 1 < misplaced; ++i)
            SwapPieces(g, positions[static_cast<std::size_t>(i)], positions[static_cast<std::size_t>(i + 1)]);
    }
};

void BM_SlipperyMove65x65(benchmark::State& state) {
    SlipperyBoard b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SlipperyMove(b.g);
        benchmark::DoNotOptimize(b.g.PieceAt.data());
    }
    state.counters["misplaced"] = static_cast<double>(SlipperyCandidates(b.g).size());
}
BENCHMARK(BM_SlipperyMove65x65)->Arg(2)->Arg(10)->Arg(4225)->Unit(benchmark::kMicrosecond);

// A tick that only grows the bar.
void BM_SlipperyTickBarNotFull65x65(benchmark::State& state) {
    SlipperyBoard b(4225);
    for (auto _ : state) {
        b.g.win.Label4.box.Width = 0;
        Timer1_Timer(b.g);
        benchmark::DoNotOptimize(b.g.win.Label4.box.Width);
    }
}
BENCHMARK(BM_SlipperyTickBarNotFull65x65)->Unit(benchmark::kNanosecond);

// A tick that fills the bar: the drag ends, the completion check runs and a
// move follows.
void BM_SlipperyFullBarTick65x65(benchmark::State& state) {
    SlipperyBoard b(4225);
    for (auto _ : state) {
        b.g.win.Label4.box.Width = b.g.win.Label1.box.Width;
        Timer1_Timer(b.g);
        benchmark::DoNotOptimize(b.g.PieceAt.data());
    }
}
BENCHMARK(BM_SlipperyFullBarTick65x65)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quilto
