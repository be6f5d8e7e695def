// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Sliding.h"

#include <gtest/gtest.h>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/PointerPlay.h"
#include "game/Slippery.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

const std::string kDesplaza = "/app/Desplaza.wav", kNoMueve = "/app/NoMueve.wav", kAcaba = "/app/Acaba.wav";

// A 4 x 3 sliding board in play, the empty slot (piece 12's picture) walked
// to position 1 along 11, 10, 9, 5.
struct SlidingTest : ::testing::Test, test::BoardFixture {
    void SetUp() override {
        g.AppDir = "/app/";
        g.settings.fSlide = g.fPlaying = true;
        MakeRegularBoard(4, 3);
        g.win.Piece(12).Picture = kEmptyPicture;
        g.EmptySlot = 12;
        for (int p : {11, 10, 9, 5, 1}) SwapPieces(g, p, g.EmptySlot), g.EmptySlot = std::int16_t(p);
    }
    auto Click(int p) {
        fake.sounds.clear();
        Image1_Click(g, p);
        return FIELDS(g.PieceAt, g.EmptySlot, fake.sounds);
    }
};

TEST_F(SlidingTest, AClickSlidesTheRunBetweenThePieceAndTheEmptySlotInLine) {
    const Board start{0, 12, 2, 3, 4, 1, 6, 7, 8, 5, 9, 10, 11};
    ASSERT_FIELDS((g.PieceAt), (start));
    EXPECT_RECORD(Click(7), std::tuple(start, 1, Texts{kNoMueve}));  // not in line
    EXPECT_RECORD(Click(4), std::tuple(Board{0, 2, 3, 4, 12, 1, 6, 7, 8, 5, 9, 10, 11}, 4, Texts{kDesplaza}));
    const Board atFour = g.PieceAt;
    EXPECT_RECORD(Click(5), std::tuple(atFour, 4, Texts{kNoMueve}));  // the row below begins there
    EXPECT_RECORD(Click(12), std::tuple(Board{0, 2, 3, 4, 8, 1, 6, 7, 11, 5, 9, 10, 12}, 12, Texts{kDesplaza}));
    EXPECT_RECORD(Click(11), std::tuple(Board{0, 2, 3, 4, 8, 1, 6, 7, 11, 5, 9, 12, 10}, 11, Texts{kDesplaza}));
    const Board atNine{0, 2, 3, 4, 8, 1, 6, 7, 11, 12, 5, 9, 10};
    EXPECT_RECORD(Click(9), std::tuple(atNine, 9, Texts{kDesplaza}));
    EXPECT_RECORD(Click(8), std::tuple(atNine, 9, Texts{kNoMueve}));  // the row above ends there
    EXPECT_RECORD(Click(9), std::tuple(atNine, 9, Texts{}));          // the empty slot itself
    g.settings.fSlide = false;                                        // a free board has no slides
    EXPECT_RECORD(Click(10), std::tuple(atNine, 9, Texts{}));
}

// Neighbours of the empty slot's element that share an edge with it, touch a
// corner only, or run beside its left edge for 5 units.
TEST(IrregularSlidingTest, OnlyAPieceSharingAnEdgeOfMoreThanFiveUnitsMoves) {
    test::BoardFixture f;
    GameState& g = f.g;
    f.MakeBoardOf({{1000, 1000, 600, 600}, {1600, 1000, 600, 600}, {1600, 1600, 600, 600}, {400, 1595, 600, 600}});
    g.settings.fSlide = true;
    g.win.Piece(1).Picture = kEmptyPicture;
    g.EmptySlot = 1;
    g.fPlaying = true;
    for (int p : {3, 4, 2}) Image1_Click(g, p);
    EXPECT_FIELDS((g.PieceAt, g.EmptySlot, g.win.Piece(2).Picture, f.fake.sounds.size()),
                  (Board{0, 2, 1, 3, 4}, 2, kEmptyPicture, 3u));
}

TEST(CompletionTest, AWinShowsTheFinishedPictureBeforeItsMessageAndABoardWithoutPiecesNeverWins) {
    test::BoardFixture f;
    GameState& g = f.g;
    g.AppDir = "/app/";
    f.MakeRegularBoard(3, 3);
    g.fPlaying = g.settings.fSlippery = g.win.Label4.Visible = true;
    const std::int64_t zBefore = g.win.Image2.Z;
    // The game is still on while the message is open, the rest is done.
    f.fake.onMessage = [&](const test::ShownMessage& m) {
        EXPECT_FIELDS((m.icon, g.fPlaying, g.win.Image2.Visible, g.win.Image2.Z > zBefore, Timer1Runs(g),
                       g.win.Label4.Visible, f.fake.sounds),
                      (MsgIcon::Information, true, true, true, false, false, Texts{kAcaba}));
    };
    CheckCompletion(g);
    f.fake.onMessage = nullptr;
    g.PieceCount = 0;  // what a build that failed leaves
    g.fWon = false;
    CheckCompletion(g);
    EXPECT_FIELDS((f.fake.MessageTexts(), g.fPlaying), (Texts{"Lo has logrado!"}, false));
}

}  // namespace
}  // namespace quilto
