// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/KeyboardPlay.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "game/PointerPlay.h"
#include "game/PointerRouting.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

const std::string kDesplaza = "/app/Desplaza.wav", kNoMueve = "/app/NoMueve.wav", kMarca = "/app/Marca.wav";

struct KeyTest : ::testing::Test, test::BoardFixture {
    void SetUp() override {
        InitWindow();
        g.AppDir = "/app/";
    }
    void Keys(std::initializer_list<int> keys) {
        for (const int k : keys) PlayKeyDown(g, k, false);
    }
};

// The empty slot of a 4 x 3 board walked 12, 11, 10, 6, then moved by
// arrows around the board's edges and back home: the edge, and a row's end
// that is the next row's start, are "NoMueve.wav"; the last move wins.
TEST_F(KeyTest, SlidingArrowsMoveThePieceOnTheSideTheArrowComesFrom) {
    g.settings.fSlide = true;
    MakeRegularBoard(4, 3);
    g.win.Piece(12).Picture = kEmptyPicture;
    g.EmptySlot = 12;
    for (int p : {11, 10, 6}) SwapPieces(g, p, g.EmptySlot), g.EmptySlot = std::int16_t(p);
    std::vector<int> empties;
    for (const int k : {kKeyLeft, kKeyRight, kKeyDown, kKeyDown, kKeyRight, kKeyRight, kKeyUp, kKeyRight, kKeyDown,
                        kKeyLeft, kKeyUp, kKeyUp, kKeyLeft, kKeyLeft, kKeyLeft})
        PlayKeyDown(g, k, true), empties.push_back(g.EmptySlot);
    EXPECT_FIELDS((empties), (std::vector<int>{7, 6, 2, 2, 1, 1, 5, 5, 1, 2, 6, 10, 11, 12, 12}));
    const std::string& d = kDesplaza;
    EXPECT_EQ(fake.sounds, (Texts{d, d, d, kNoMueve, d, kNoMueve, d, kNoMueve, d, d, d, d, d, d, "/app/Acaba.wav"}));
}

// Two pieces touch the empty slot's right side: the one whose centre is
// nearer its centre line moves; a piece below, or touching a corner only,
// is no neighbour on that side.
TEST_F(KeyTest, AnIrregularSlideTakesTheToucherNearestTheCentreLine) {
    g.settings.fSlide = true;
    MakeBoardOf({{1000, 1000, 1200, 1200},
                 {2200, 1000, 600, 600},
                 {2200, 1600, 600, 300},
                 {1000, 2200, 1200, 600},
                 {2200, 2200, 600, 600}});
    g.win.Piece(1).Picture = kEmptyPicture;
    g.EmptySlot = 1;
    EXPECT_FIELDS((SlidingNeighbour(g, Direction::Left), SlidingNeighbour(g, Direction::Up),
                   SlidingNeighbour(g, Direction::Right), SlidingNeighbour(g, Direction::Down)),
                  (3, 4, 0, 0));
    Keys({kKeyDown, kKeyLeft});
    EXPECT_FIELDS((g.EmptySlot, fake.sounds), (3, Texts{kNoMueve, kDesplaza}));
}

// Of the elements lying that way and overlapping across the way of travel,
// the nearest; then the one nearest the centre line, not the lowest
// position nor the widest overlap.
TEST_F(KeyTest, TheCursorGoesToTheNearestOverlappingElementThatWay) {
    MakeBoardOf({{600, 600, 600, 600}, {600, 0, 600, 600}, {0, 0, 600, 900}, {1200, 0, 600, 1200}, {0, 900, 600, 300}});
    const auto to = [&](int from, Direction d) { return CursorNeighbour(g, from, d); };
    EXPECT_FIELDS((to(3, Direction::Right), to(2, Direction::Down), to(5, Direction::Up), to(5, Direction::Right),
                   to(1, Direction::Left), to(4, Direction::Right)),
                  (2, 1, 3, 1, 5, 0));
}

// The whole ordinary game from the keys on a 3 x 3 board.
TEST_F(KeyTest, TheKeysPickUpTryPutDownAndCancelAsTheMouseDoes) {
    MakeRegularBoard(3, 3);
    g.fPlaying = false;
    Keys({kKeyRight});
    EXPECT_EQ(g.win.KeyFrame.Visible, false) << "no game in play";
    g.fPlaying = true;
    Keys({kKeySpace, kKeyRight});
    EXPECT_FIELDS((g.fDragging, g.KeySlot, g.win.KeyFrame.box), (false, 5, g.win.Piece(5).box));
    Keys({kKeyRight, kKeyRight, kKeySpace});
    PlayKeyDown(g, kKeySpace, true);  // a held key picks up once
    EXPECT_FIELDS((g.fDragging, g.DragSlot, g.KeySlot, g.win.Shape1.Visible), (true, 6, 6, true));
    Keys({kKeyUp, kKeyLeft});  // trial with 3, then with 2
    EXPECT_FIELDS((g.PieceAt, g.DropSlot, g.win.Shape5.box),
                  (Board{0, 1, 6, 3, 4, 5, 2, 7, 8, 9}, 2, g.win.Piece(2).box));
    Keys({kKeyEnter});
    EXPECT_FIELDS((g.fDragging, g.win.Shape1.Visible, g.win.Shape5.Visible, fake.sounds),
                  (false, false, false, Texts{kMarca}));
    Keys({kKeySpace, kKeyDown, kKeyEscape});  // 2 tried with 5, then cancelled
    EXPECT_FIELDS((g.PieceAt, g.fDragging, g.KeySlot), (Board{0, 1, 6, 3, 4, 5, 2, 7, 8, 9}, false, 5));

    // A mouse press hides the cursor; the next arrow shows it where it was.
    PointerRouter router;
    router.Press(g, kRightButton, false, 0, 0);
    router.Release(g, kRightButton, 0, 0);
    Keys({kKeyUp});
    EXPECT_FIELDS((g.win.KeyFrame.Visible, g.KeySlot), (true, 5));
}

}  // namespace
}  // namespace quilto
