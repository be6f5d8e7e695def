// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game set-ups the tests share, on a fake platform. BoardFixture: a bare
// board without a window, positions 1..PieceCount with their boxes, one
// distinct picture each and PieceAt(p) = p. WindowFixture: the game as
// start-up leaves it in a maximized window whose board frame is 9000 x 6000
// units at (120, 120), its program folder a fresh one.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <vector>

#include "game/Layout.h"
#include "game/MainWindow.h"
#include "game/NewPuzzle.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "support/TempDir.h"

namespace quilto::test {

// PieceAt[1..PieceCount] sorted, to compare with Identity(PieceCount).
inline std::vector<int> SortedPieces(const GameState& g) {
    std::vector<int> v(g.PieceAt.begin() + 1, g.PieceAt.begin() + 1 + std::max<int>(g.PieceCount, 0));
    std::ranges::sort(v);
    return v;
}
inline std::vector<int> Identity(int n) {
    std::vector<int> v(static_cast<std::size_t>(std::max(n, 0)));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

struct BoardFixture {
    FakePlatform fake;
    GameState g{fake};

    explicit BoardFixture(std::uint64_t seed = 1, std::int32_t boardWidth = 9000, std::int32_t boardHeight = 6000) {
        g.rng.Seed(seed);
        g.BoardWidth = boardWidth, g.BoardHeight = boardHeight;
        g.win.Label1.box = {120, 120, float(boardWidth), float(boardHeight)};
        g.win.Image1.assign(1, Element{});
        g.win.Shape4.assign(1, Box{});
    }
    BoardFixture(const BoardFixture&) = delete;

    // The window's elements as they open, the frame kept; a game in play.
    void InitWindow() {
        const Box frame = g.win.Label1.box;
        InitElements(g.win);
        g.win.Label1.box = frame;
        g.fPictureLoaded = g.fPlaying = true;
    }
    // A regular board of columns x rows cells of cellSize window units.
    void MakeRegularBoard(int columns, int rows, float cellSize = 600) {
        g.settings.Columns = std::int16_t(columns), g.settings.Rows = std::int16_t(rows);
        g.settings.fIrregular = false;
        g.PieceCount = std::int16_t(columns * rows);
        g.UnitWidth = cellSize;
        g.win.Image1.resize(1);
        const Box& f = g.win.Label1.box;
        for (int p = 0; p < g.PieceCount; ++p)
            g.win.Image1.emplace_back().box = {f.Left + float(p % columns) * cellSize,
                                               f.Top + float(p / columns) * cellSize, cellSize, cellSize};
        ResetPieces();
    }
    // An irregular board of side x side units laid by BuildMixedLayout.
    void MakeIrregularBoard(int side) {
        g.settings.Columns = g.settings.Rows = std::int16_t(side);
        g.settings.fIrregular = true;
        BuildMixedLayout(g);
        g.win.Image1.resize(1);
        for (int p = 1; p <= g.PieceCount; ++p) g.win.Image1.emplace_back().box = g.win.Shape4[p - 1u];
        ResetPieces();
    }
    // An irregular board of these boxes, positions from 1, on units of 600.
    void MakeBoardOf(std::initializer_list<Box> boxes) {
        g.settings.fIrregular = true;
        g.UnitWidth = 600;
        for (const Box& b : boxes) g.win.Image1.emplace_back().box = b;
        g.PieceCount = std::int16_t(boxes.size());
        ResetPieces();
    }
    // Every position shows its own piece's picture again.
    void ResetPieces() {
        g.pictures.Clear();
        g.PieceAt.resize(std::size_t(g.PieceCount) + 1);
        std::iota(g.PieceAt.begin(), g.PieceAt.end(), 0);
        for (int p = 1; p <= g.PieceCount; ++p) g.win.Piece(p).Picture = g.pictures.Add(PixelRect{1, p, 0, 1, 1});
    }
    // The picture piece k shows at home, as ResetPieces hands them out.
    static PictureHandle PictureOf(int k) { return static_cast<PictureHandle>(k); }
};

struct WindowFixture {
    FakePlatform fake;
    GameState g{fake};
    TempDir dir;
    int dialogs = 0;                       // showings of the configuration dialog
    std::function<void()> dialog = [] {};  // what the player does in it

    explicit WindowFixture(std::uint64_t clockSeed = 12345) {
        fake.clockSeed = clockSeed;
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        g.ShowConfiguration = [this] { ++dialogs, dialog(); };
    }
    WindowFixture(const WindowFixture&) = delete;

    // A new puzzle of these settings cut from a w x h picture (number 1),
    // asking first only if told to.
    void Start(const Settings& s, int w = 800, int h = 600, bool ask = false) {
        g.PicClip1 = HeldPicture(fake, {LoadStatus::Ok, 1, w, h});
        g.fPictureLoaded = true, g.fSkipConfirm = !ask, g.settings = s;
        NewPuzzle(g);
    }
};

}  // namespace quilto::test
