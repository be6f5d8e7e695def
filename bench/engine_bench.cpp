// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The board engine against its speed targets: the irregular layout for every
// board side, and the three shuffles on the largest boards.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "BenchGame.h"
#include "game/Layout.h"
#include "game/Neighbours.h"
#include "game/Shuffle.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using bench::ClockedPlatform;

GameState& PrepareLayout(GameState& g, int side) {
    g.BoardWidth = 9000;
    g.BoardHeight = 6000;
    g.win.Label1.box = {120, 120, 9000, 6000};
    g.win.Shape4.assign(1, Box{});
    g.settings.Columns = g.settings.Rows = static_cast<std::int16_t>(side);
    g.settings.fIrregular = true;
    return g;
}

// One layout per iteration; the counters give the median and the slowest
// single layout, in microseconds.
void BM_Layout(benchmark::State& state) {
    ClockedPlatform clock;
    GameState g(clock);
    g.rng.Seed(2024);
    PrepareLayout(g, static_cast<int>(state.range(0)));
    std::vector<double> us;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        BuildMixedLayout(g);
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        benchmark::DoNotOptimize(g.win.Shape4.data());
    }
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["slowest_us"] = us.back();
    state.counters["pieces"] = g.PieceCount;
}
BENCHMARK(BM_Layout)
    ->DenseRange(3, 13)
    ->Arg(16)
    ->Arg(20)
    ->Arg(25)
    ->Arg(30)
    ->Arg(40)
    ->Arg(50)
    ->Arg(60)
    ->Arg(65)
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

// Shuffles a ready board again and again; the pictures and pieces go back
// home between iterations, outside the timing.
void RunShuffle(benchmark::State& state, test::BoardFixture& f) {
    const std::int16_t empty = f.g.EmptySlot;
    for (auto _ : state) {
        Shuffle(f.g);
        benchmark::DoNotOptimize(f.g.PieceAt.data());
        state.PauseTiming();
        f.ResetPieces();
        f.g.EmptySlot = empty;
        state.ResumeTiming();
    }
    state.counters["pieces"] = f.g.PieceCount;
}

void BM_ShuffleIrregularSlide65(benchmark::State& state) {
    test::BoardFixture f(7);
    f.MakeIrregularBoard(65);
    f.g.settings.fSlide = true;
    RunShuffle(state, f);
}
BENCHMARK(BM_ShuffleIrregularSlide65)->Unit(benchmark::kMillisecond);

// The part of the irregular sliding shuffle that works out who touches whom.
void BM_NeighbourTable65(benchmark::State& state) {
    test::BoardFixture f(7);
    f.MakeIrregularBoard(65);
    NeighbourTable table;
    for (auto _ : state) {
        table.Build(f.g.win.Image1, f.g.PieceCount, f.g.UnitWidth / 2);
        benchmark::DoNotOptimize(table.Of(1).data());
    }
}
BENCHMARK(BM_NeighbourTable65)->Unit(benchmark::kMillisecond);

void BM_ShuffleRegularSlide65x65(benchmark::State& state) {
    test::BoardFixture f(7);
    f.MakeRegularBoard(65, 65, 135);
    f.g.settings.fSlide = true;
    RunShuffle(state, f);
}
BENCHMARK(BM_ShuffleRegularSlide65x65)->Unit(benchmark::kMillisecond);

void BM_ShuffleFree65x65(benchmark::State& state) {
    test::BoardFixture f(7);
    f.MakeRegularBoard(65, 65, 135);
    RunShuffle(state, f);
}
BENCHMARK(BM_ShuffleFree65x65)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quilto
