// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/MainWindow.h"

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

// The settings beside the program are read at start-up (the main window's Qt
// test reads them); a path of their own, where one is given, comes first.
TEST(MainWindow, StartUpReadsTheSettingsFromTheirOwnPathWhereOneIsGiven) {
    test::FakePlatform platform;
    GameState g(platform);
    test::TempDir app, config;
    ASSERT_TRUE(SaveSettings(platform, {8, 9, 2, false, true, false}, app.File("Quilto.ini")));
    ASSERT_TRUE(SaveSettings(platform, {4, 3, 1, false, false, true}, config.File("Quilto.ini")));
    InitElements(g.win);
    g.SettingsPath = config.File("saved.ini");  // where the program's folder is not writable
    g.SettingsReadPath = config.File("Quilto.ini");
    Form_Load(g, app.Path().string());
    EXPECT_FIELDS((g.AppDir, g.settings), (app.AsAppDir(), Settings{4, 3, 1, false, false, true}));
}

TEST(MainWindow, StartUpSeedsTheRandomSourceFromTheClock) {
    const auto firstBoard = [](std::uint64_t clockSeed) {
        test::WindowFixture w(clockSeed);
        w.Start({6, 5, 1, false, false, false});
        return w.g.PieceAt;
    };
    EXPECT_FIELDS((firstBoard(7)), (firstBoard(7)));
    EXPECT_NE(firstBoard(7), firstBoard(8)) << "two runs deal the same first puzzle";
}

TEST(MainWindow, BoardFrameIsLaidOutOnceFromTheMaximizedOuterSizeRoundedHalfToEven) {
    test::FakePlatform platform;
    GameState g(platform);
    InitElements(g.win);
    Form_Load(g, "/nowhere");
    // A normal window is put back to maximized; nothing is laid out yet.
    EXPECT_FIELDS((Form_Resize(g, WindowState::Normal, 9000, 7000), Form_Resize(g, WindowState::Minimized, 0, 0),
                   g.fLayoutPending),
                  (true, false, true));
    // A 2560-pixel screen is 38400 units, more than 16 bits hold.
    EXPECT_FALSE(Form_Resize(g, WindowState::Maximized, 38400.5f, 21600.5f));
    const Box frame{120, 120, 37920.5f, 20720.5f};
    EXPECT_FIELDS((g.win.Label1.box, g.win.Image2.box, g.win.Image1[0].box.Left, g.win.Image1[0].box.Top),
                  (frame, frame, 120, 120));
    Form_Resize(g, WindowState::Maximized, 12000, 9000);  // later sizes change nothing
    EXPECT_EQ(g.win.Label1.box, frame);
    // Halves go to the even neighbour, fractions to the nearest: not truncated, not halves up.
    for (const auto& [size, rounded] : {std::pair{9000.5f, 9000}, {9001.5f, 9002}, {9000.7f, 9001}, {9001.3f, 9001}}) {
        g.fLayoutPending = true;
        Form_Resize(g, WindowState::Maximized, size + 480, size + 880);
        EXPECT_FIELDS((g.BoardWidth, g.BoardHeight), (rounded, rounded)) << size;
    }
}

}  // namespace
}  // namespace quilto
