// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the benchmarks share: the fake platform with a real clock, and a game
// on a full-HD window with a 24-megapixel picture loaded.
#include <chrono>

#include "game/MainWindow.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace quilto::bench {

// The layout's time guard sees real time, as in the game.
struct ClockedPlatform : test::FakePlatform {
    double Now() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

struct BenchGame {
    ClockedPlatform fake;
    GameState g{fake};
    test::TempDir dir;

    explicit BenchGame(const Settings& s, int picW = 6000, int picH = 4000) {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 1920 * 15, 1080 * 15);
        fake.pictures["/pic.jpg"] = {picW, picH};
        g.PicClip1 = HeldPicture(fake, fake.LoadPicture("/pic.jpg"));
        g.fPictureLoaded = true;
        g.fSkipConfirm = true;
        g.settings = s;
    }
};

}  // namespace quilto::bench
