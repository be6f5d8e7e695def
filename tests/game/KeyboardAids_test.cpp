// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/KeyboardAids.h"

#include <gtest/gtest.h>

#include <set>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/Slippery.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

std::vector<bool> Borders(const GameState& g) {
    std::vector<bool> out;
    for (auto e = g.win.Image1.begin() + 1; e < g.win.Image1.end(); ++e) out.push_back(e->Border);
    return out;
}

// A 4 x 3 board in play with its slippery pieces moving.
struct KeyboardAidsTest : ::testing::Test, test::BoardFixture {
    KeyboardAidsTest() : BoardFixture(3) {
        InitWindow();
        MakeRegularBoard(4, 3);
        g.settings.fSlippery = g.win.Label4.Visible = true;
    }
    void Press(int key, int times = 1) {
        while (times--) Form_KeyDown(g, key);
    }
};

TEST_F(KeyboardAidsTest, HeldF7MarksTheMisplacedOnceAndHeldF8PeeksOnceBothPausingTheTimerAndNoneWithoutAGame) {
    for (const auto& [a, b] : {std::pair{1, 5}, {2, 12}, {12, 7}}) SwapPieces(g, a, b);
    g.fPlaying = false;
    for (const int key : {kKeyF5, kKeyF6, kKeyF7, kKeyF8}) Press(key, 2), Form_KeyUp(g, key);
    EXPECT_FIELDS((g.fBorders, g.win.Shape1.Visible, g.win.Shape2.size(), g.win.Image2.Visible, fake.sounds.size()),
                  (true, false, 1u, false, 0u));
    g.fPlaying = true;
    Press(kKeyF7, 4);  // the key repeats while held
    std::vector<Box> marks, misplaced;
    for (std::size_t m = 1; m < g.win.Shape2.size(); ++m)
        if (g.win.Shape2[m].Visible && g.win.Shape2[m].Z > g.win.Piece(1).Z) marks.push_back(g.win.Shape2[m].box);
    for (int p : {1, 2, 5, 7, 12}) misplaced.push_back(g.win.Piece(p).box);
    EXPECT_FIELDS((marks, Timer1Runs(g), fake.sounds), (misplaced, false, std::vector{g.AppFile(Sound::Cambia)}));
    Form_KeyUp(g, kKeyF7);
    Press(kKeyF8, 3);
    EXPECT_FIELDS((g.win.Image2.Visible, g.fPeeking, Timer1Runs(g), fake.sounds.size()), (true, true, false, 2u));
}

// Both aids held at once show both; a win while F8 is held leaves the
// finished picture over the board when F8 is let go, the slippery pieces
// still and the bar as it stood.
TEST_F(KeyboardAidsTest, BothAidsShowAtOnceAndAWinUnderThePeekKeepsTheFinishedPicture) {
    SwapPieces(g, 1, 2);
    g.win.Label4.box.Width = 900;
    Form_KeyDown(g, kKeyF8);
    Form_KeyDown(g, kKeyF7);
    EXPECT_FIELDS((g.win.Shape2.size(), g.win.Image2.Visible), (3u, true));
    Form_KeyUp(g, kKeyF7);
    SwapPieces(g, 1, 2);
    CheckCompletion(g);
    Form_KeyUp(g, kKeyF8);
    EXPECT_FIELDS((g.win.Image2.Visible, Timer1Runs(g), g.win.Label4.box.Width), (true, false, 900));
}

TEST_F(KeyboardAidsTest, F6OnTwoMisplacedPiecesFramesEitherAndDotsTheOthersHome) {
    g.win.Piece(2).box.Width = 300;  // of another size, so that a dot centred on the wrong piece shows
    SwapPieces(g, 1, 2);
    const auto middle = [](const Box& x) { return FIELDS(x.Left * 2 + x.Width, x.Top * 2 + x.Height); };
    std::set<int> framed;
    for (int i = 0; i < 40; ++i) {  // every repeat draws again
        Press(kKeyF6);
        const int one = *framed.insert(g.win.Shape1.box == g.win.Piece(1).box ? 1 : 2).first;
        ASSERT_FIELDS((g.win.Shape1.Visible, g.win.Shape1.box, g.win.Shape3.Visible, middle(g.win.Shape3.box)),
                      (true, g.win.Piece(one).box, true, middle(g.win.Piece(3 - one).box)));
    }
    EXPECT_EQ(framed.size(), 2u) << "the hint keeps to one of the two";
}

// F5 and F7 held while a new puzzle starts: F7's release may go to the question box.
TEST(KeyboardAidsNewPuzzleTest, ANewPuzzleTakesTheTemplatesBorderKeepsTheFlagAndDropsTheOldMarks) {
    test::WindowFixture w;
    GameState& g = w.g;
    w.Start({4, 3, 1, false, false, false});
    Form_KeyDown(g, kKeyF5);
    Form_KeyDown(g, kKeyF7);
    EXPECT_FIELDS((g.fBorders, Borders(g)), (false, std::vector<bool>(12, false)));
    w.Start({3, 2, 1, false, false, false});
    EXPECT_FIELDS((g.fBorders, Borders(g), g.win.Shape2.size(), g.fKeyMoving),
                  (false, std::vector<bool>(6, true), 1u, false));
    Form_KeyDown(g, kKeyF7);  // still held: the new board is marked, once
    Form_KeyDown(g, kKeyF7);
    EXPECT_EQ(g.win.Shape2.size(), 1 + MisplacedPositions(g).size());
    Form_KeyDown(g, kKeyF5);
    EXPECT_FIELDS((g.fBorders, Borders(g)), (true, std::vector<bool>(6, true)));
}

}  // namespace
}  // namespace quilto
