// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PointerPlay.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {

namespace {

const Board kStart{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11};

// A 4 x 3 board of 600-unit cells at (120, 120) in play, every piece at home
// but 11 and 12, so that no drag here solves it by accident.
struct PointerPlayTest : ::testing::Test, test::BoardFixture {
    void SetUp() override {
        MakeRegularBoard(4, 3);
        SwapPieces(g, 11, 12);
        g.fPlaying = true;
    }
    const Box& BoxOf(int p) const { return g.win.Piece(p).box; }
    void Press(int p, int button = kLeftButton) { Image1_MouseDown(g, p, button); }
    // The pointer at (x, y) on the window, reported to the element pressed at `from`.
    void MoveTo(int from, float x, float y) { Image1_MouseMove(g, from, x - BoxOf(from).Left, y - BoxOf(from).Top); }
    void MoveOver(int from, int p) { MoveTo(from, BoxOf(p).Left + 300, BoxOf(p).Top + 300); }
    auto Drag() const {
        return FIELDS(g.fDragging, g.DragSlot, g.DropSlot, g.win.Shape1.Visible, g.win.Shape5.Visible);
    }
};

TEST_F(PointerPlayTest, EachTrialUndoesTheLastAndTheReleaseKeepsIt) {
    Press(1);
    EXPECT_FIELDS((Drag(), g.win.Shape1.box, g.win.Piece(1).Pointer),
                  (std::tuple(true, 1, 0, true, false), BoxOf(1), Cursor::DragOverPiece));
    for (int p : {2, 6, 7}) MoveOver(1, p);
    const Board swapped{0, 7, 2, 3, 4, 5, 6, 1, 8, 9, 10, 12, 11};
    EXPECT_FIELDS((g.PieceAt, g.win.Shape5.box, g.win.Piece(1).Picture, g.win.Piece(7).Picture),
                  (swapped, BoxOf(7), PictureOf(7), PictureOf(1)));
    MoveTo(1, -4880, 400);  // off the board: the trial stays
    MoveTo(1, 1320, 400);   // on the edge between positions 2 and 3: in neither
    EXPECT_FIELDS((g.PieceAt, g.DropSlot, g.win.Piece(1).Pointer), (swapped, 7, Cursor::DragOverNothing));
    Image1_MouseUp(g, 1);
    EXPECT_FIELDS((g.PieceAt, Drag(), g.win.Piece(1).Pointer, fake.sounds),
                  (swapped, std::tuple(false, 0, 7, false, false), Cursor::Default, Texts{g.AppFile(Sound::Marca)}));
    Press(5);  // back over its start, nothing is exchanged
    MoveOver(5, 8);
    MoveOver(5, 5);
    Image1_MouseUp(g, 5);
    EXPECT_FIELDS((g.PieceAt), (swapped));
}

TEST_F(PointerPlayTest, AnotherButtonCancelsTheTrialAndTheDropFrameWaitsForARelease) {
    Press(2);
    MoveOver(2, 4);
    Press(2, kMiddleButton);
    EXPECT_FIELDS((Drag(), g.win.Piece(2).Pointer, g.PieceAt),
                  (std::tuple(false, 0, 4, false, true), Cursor::Default, kStart));
    Image1_MouseUp(g, 2);
    EXPECT_FIELDS((g.PieceAt, g.win.Shape5.Visible), (kStart, false));
}

TEST(SlotAtPointTest, FirstElementInIndexOrderThatStrictlyContainsThePoint) {
    test::BoardFixture f;
    f.MakeRegularBoard(2, 1, 600);                             // (120, 720) and (720, 1320)
    f.g.win.Image1.emplace_back().box = {600, 120, 300, 900};  // found only where neither is
    // The first in index order; the left and top edges are outside.
    EXPECT_FIELDS((SlotAtPoint(f.g, 700, 400), SlotAtPoint(f.g, 720, 400), SlotAtPoint(f.g, 400, 120)), (1, 3, 0));
}

}  // namespace
}  // namespace quilto
