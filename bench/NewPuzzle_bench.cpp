// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating a puzzle (without painting it) from a 24-megapixel picture on a
// full-HD board frame: the largest boards of each kind, and the growth with
// the number of pieces.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "BenchGame.h"
#include "game/NewPuzzle.h"

namespace quilto {
namespace {

void Create(benchmark::State& state, Settings s, bool saveSettings = true) {
    bench::BenchGame game(s);
    // Without a folder to write to, the settings file (and its flush to the
    // disk) drops out of the measurement.
    if (!saveSettings) game.g.AppDir = game.dir.AsAppDir() + "missing/";
    for (auto _ : state) {
        game.g.fSkipConfirm = true;
        NewPuzzle(game.g);
        if (!game.g.fPlaying) state.SkipWithError("no puzzle was created");
        benchmark::DoNotOptimize(game.g.win.Image1.data());
    }
    state.counters["pieces"] = game.g.PieceCount;
}

void BM_Create65Regular(benchmark::State& state) {
    Create(state, {65, 65, 3, false, false, false});
}
void BM_Create65RegularSliding(benchmark::State& state) {
    Create(state, {65, 65, 3, false, true, false});
}
void BM_Create65IrregularSliding(benchmark::State& state) {
    Create(state, {65, 65, 3, true, true, false});
}
BENCHMARK(BM_Create65Regular)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Create65RegularSliding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Create65IrregularSliding)->Unit(benchmark::kMillisecond)->UseRealTime();

// Free shuffle and no settings file, so that the cost is the cutting's own:
// it should grow linearly with the pieces.
void BM_CreateRegularBySide(benchmark::State& state) {
    const auto side = static_cast<std::int16_t>(state.range(0));
    Create(state, {side, side, 3, false, false, false}, false);
    state.SetComplexityN(side * side);
}
BENCHMARK(BM_CreateRegularBySide)->Arg(8)->Arg(16)->Arg(32)->Arg(65)->Complexity(benchmark::oN)->UseRealTime();

}  // namespace
}  // namespace quilto
