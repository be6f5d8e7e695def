#pragma once
// A game state on a fake platform with a board ready to be played or
// shuffled, without any window: positions 1..PieceCount with their boxes,
// one distinct picture each and PieceAt(p) = p.
#include <cstdint>

#include "game/GameState.h"
#include "game/Layout.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"

namespace quilto::test {

struct BoardFixture {
    FakePlatform fake;
    GameState g{fake};

    // The board frame the layout starts from.
    explicit BoardFixture(std::uint64_t seed = 1, std::int32_t boardWidth = 9000, std::int32_t boardHeight = 6000) {
        g.rng.Seed(seed);
        g.BoardWidth = boardWidth;
        g.BoardHeight = boardHeight;
        g.win.Label1.box = {120, 120, static_cast<float>(boardWidth), static_cast<float>(boardHeight)};
        g.win.Image1.assign(1, Element{});
        g.win.Shape4.assign(1, Box{});
    }
    // The state refers to the fake platform inside the fixture.
    BoardFixture(const BoardFixture&) = delete;
    BoardFixture& operator=(const BoardFixture&) = delete;

    // A regular board of columns x rows cells of cellSize window units.
    void MakeRegularBoard(int columns, int rows, float cellSize = 600) {
        g.settings.Columns = static_cast<std::int16_t>(columns);
        g.settings.Rows = static_cast<std::int16_t>(rows);
        g.settings.fIrregular = false;
        g.PieceCount = static_cast<std::int16_t>(columns * rows);
        g.UnitWidth = cellSize;
        g.win.Image1.resize(1);
        for (int p = 1; p <= g.PieceCount; ++p) {
            const int c = (p - 1) % columns, r = (p - 1) / columns;
            Element e;
            e.box = {g.win.Label1.box.Left + static_cast<float>(c) * cellSize,
                     g.win.Label1.box.Top + static_cast<float>(r) * cellSize, cellSize, cellSize};
            g.win.Image1.push_back(e);
        }
        ResetPieces();
    }

    // An irregular board of side x side units laid by BuildMixedLayout; the
    // positions take the outlines it leaves in Shape4.
    void MakeIrregularBoard(int side) {
        g.settings.Columns = static_cast<std::int16_t>(side);
        g.settings.Rows = static_cast<std::int16_t>(side);
        g.settings.fIrregular = true;
        BuildMixedLayout(g);
        g.win.Image1.resize(1);
        for (int p = 1; p <= g.PieceCount; ++p) {
            Element e;
            e.box = g.win.Shape4[static_cast<std::size_t>(p - 1)];
            g.win.Image1.push_back(e);
        }
        ResetPieces();
    }

    // Every position shows its own piece's picture again.
    void ResetPieces() {
        g.pictures.Clear();
        g.PieceAt.assign(static_cast<std::size_t>(g.PieceCount) + 1, 0);
        for (int p = 1; p <= g.PieceCount; ++p) {
            g.win.Image1[static_cast<std::size_t>(p)].Picture = g.pictures.Add(PixelRect{1, p, 0, 1, 1});
            g.PieceAt[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
        }
    }

    // The picture piece k shows at home, as ResetPieces hands them out.
    static PictureHandle PictureOf(int k) { return static_cast<PictureHandle>(k); }
};

}  // namespace quilto::test
