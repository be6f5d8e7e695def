// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping a game: writing and reading the file of a 65 x 65 game whose
// picture is a 24-megapixel photo (8 MB of JPEG) must each stay well under
// 300 ms; the picture's bytes are copied once and never looked into.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "game/SavedGameFile.h"

namespace quilto {
namespace {

SavedGame Game65x65() {
    SavedGame g;
    g.settings = {65, 65, 3, false, false, true};
    g.PieceAt.resize(65 * 65 + 1);
    std::iota(g.PieceAt.begin(), g.PieceAt.end(), 0);
    std::mt19937 rng(5);
    std::shuffle(g.PieceAt.begin() + 1, g.PieceAt.end(), rng);
    g.BarTicks = 12;
    g.PictureName = "IMG_20240517_184233.jpg";
    g.PictureBytes.resize(8 << 20);
    std::generate(g.PictureBytes.begin(), g.PictureBytes.end(), [&] { return static_cast<char>(rng()); });
    return g;
}

void BM_SaveGame65x65Picture8MB(benchmark::State& state) {
    const SavedGame g = Game65x65();
    std::size_t size = 0;
    for (auto _ : state) {
        const auto bytes = EncodeSavedGame(g);
        size = bytes->size();
        benchmark::DoNotOptimize(bytes->data());
    }
    state.counters["board_bytes"] = static_cast<double>(size - g.PictureBytes.size());
}
BENCHMARK(BM_SaveGame65x65Picture8MB)->Unit(benchmark::kMillisecond);

void BM_OpenGame65x65Picture8MB(benchmark::State& state) {
    const std::string bytes = *EncodeSavedGame(Game65x65());
    for (auto _ : state) {
        const DecodedSavedGame d = DecodeSavedGame(bytes);
        if (d.fault != SavedGameFault::None) state.SkipWithError("the file was refused");
        benchmark::DoNotOptimize(d.game.PictureBytes.data());
    }
}
BENCHMARK(BM_OpenGame65x65Picture8MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilto
