#include "game/PointerPlay.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

const std::string kMarca = "/app/Marca.wav";

// A 4 x 3 board of 600-unit cells at (120, 120), with every piece at home
// except 11 and 12, so that no drag here solves it by accident.
struct PointerPlayTest : ::testing::Test {
    BoardFixture f;
    GameState& g = f.g;

    void SetUp() override {
        g.AppDir = "/app/";
        f.MakeRegularBoard(4, 3);
        SwapPieces(g, 11, 12);
        g.fPlaying = true;
    }
    // The pointer over the middle of position p, relative to the element
    // pressed at position from.
    void MoveOver(int from, int p) {
        const Box& a = g.win.Image1[static_cast<std::size_t>(from)].box;
        const Box& b = g.win.Image1[static_cast<std::size_t>(p)].box;
        Image1_MouseMove(g, from, b.Left + b.Width / 2 - a.Left, b.Top + b.Height / 2 - a.Top);
    }
    PictureHandle PictureAt(int p) const { return g.win.Image1[static_cast<std::size_t>(p)].Picture; }
    int PieceAt(int p) const { return g.PieceAt[static_cast<std::size_t>(p)]; }
};

TEST_F(PointerPlayTest, OnlyTheLastTrialIsKeptAndEveryOtherPieceIsBackAsItWas) {
    Image1_MouseDown(g, 1, kLeftButton, 300, 300);
    EXPECT_TRUE(g.fDragging);
    EXPECT_EQ(g.DragSlot, 1);
    EXPECT_EQ(g.win.Shape1.box, g.win.Image1[1].box);
    EXPECT_TRUE(g.win.Shape1.Visible);
    EXPECT_EQ(g.win.Image1[1].Pointer, Cursor::DragOverPiece);

    for (int p : {2, 6, 7}) {
        MoveOver(1, p);
        EXPECT_EQ(g.DropSlot, p);
        EXPECT_EQ(g.win.Shape5.box, g.win.Image1[static_cast<std::size_t>(p)].box);
        EXPECT_EQ(PieceAt(1), p);
        EXPECT_EQ(PieceAt(p), 1);
    }
    EXPECT_EQ(PieceAt(2), 2);
    EXPECT_EQ(PieceAt(6), 6);
    EXPECT_EQ(PictureAt(1), BoardFixture::PictureOf(7));
    EXPECT_EQ(PictureAt(7), BoardFixture::PictureOf(1));

    Image1_MouseUp(g, 1, kLeftButton);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.DragSlot, 0);
    EXPECT_EQ(PieceAt(1), 7);
    EXPECT_EQ(PieceAt(7), 1);
    EXPECT_EQ(g.win.Image1[1].Pointer, Cursor::Default);
    EXPECT_FALSE(g.win.Shape1.Visible);
    EXPECT_FALSE(g.win.Shape5.Visible);
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{kMarca});
}

TEST_F(PointerPlayTest, OffTheBoardOrOnAnEdgeTheTrialStaysAndBackHomeUndoesIt) {
    Image1_MouseDown(g, 5, kLeftButton, 10, 10);
    MoveOver(5, 8);
    // Off the board: no piece, the struck-through hand, the trial stays.
    Image1_MouseMove(g, 5, -5000, 100);
    EXPECT_EQ(g.win.Image1[5].Pointer, Cursor::DragOverNothing);
    EXPECT_EQ(PieceAt(5), 8);
    // Exactly on the edge between positions 2 and 3 (x = 120 + 1200): in neither.
    const Box& from = g.win.Image1[5].box;
    Image1_MouseMove(g, 5, 1320 - from.Left, 400 - from.Top);
    EXPECT_EQ(g.win.Image1[5].Pointer, Cursor::DragOverNothing);
    EXPECT_EQ(g.DropSlot, 8);
    // A hair inside position 3 is a hit.
    Image1_MouseMove(g, 5, 1321 - from.Left, 400 - from.Top);
    EXPECT_EQ(g.DropSlot, 3);
    EXPECT_EQ(PieceAt(5), 3);
    EXPECT_EQ(PieceAt(8), 8);
    // Back on the starting piece: nothing exchanged, the drop frame on it.
    MoveOver(5, 5);
    EXPECT_EQ(g.DropSlot, 5);
    EXPECT_EQ(g.win.Shape5.box, from);
    Image1_MouseUp(g, 5, kLeftButton);
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(PieceAt(p), p) << "position " << p;
}

TEST_F(PointerPlayTest, AnotherButtonCancelsTheTrialAndTheDropFrameWaitsForARelease) {
    // Before any trial: nothing to undo.
    Image1_MouseDown(g, 2, kLeftButton, 10, 10);
    Image1_MouseDown(g, 2, kRightButton, 10, 10);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(PieceAt(2), 2);

    Image1_MouseDown(g, 2, kLeftButton, 10, 10);
    MoveOver(2, 4);
    Image1_MouseDown(g, 2, kMiddleButton, 10, 10);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.DragSlot, 0);
    EXPECT_EQ(PieceAt(2), 2);
    EXPECT_EQ(PieceAt(4), 4);
    EXPECT_EQ(g.win.Image1[2].Pointer, Cursor::Default);
    EXPECT_TRUE(g.win.Shape5.Visible);
    // Later moves do nothing; each release plays its cue and hides the frames.
    MoveOver(2, 9);
    EXPECT_EQ(PieceAt(9), 9);
    Image1_MouseUp(g, 2, kMiddleButton);
    EXPECT_FALSE(g.win.Shape5.Visible);
    Image1_MouseUp(g, 2, kLeftButton);
    EXPECT_EQ(f.fake.sounds, (std::vector<std::string>{kMarca, kMarca}));
}

TEST_F(PointerPlayTest, ReleasingTheDragThatSolvesTheBoardWinsAndACancelChecksToo) {
    // Dragging 11 onto 12 solves the board.
    Image1_MouseDown(g, 11, kLeftButton, 10, 10);
    MoveOver(11, 12);
    EXPECT_TRUE(f.fake.messages.empty());  // no check while the button is held
    Image1_MouseUp(g, 11, kLeftButton);
    ASSERT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    EXPECT_FALSE(g.fPlaying);

    // A cancel runs the completion check as well: on a board that is solved
    // the win is announced again.
    Image1_MouseDown(g, 3, kLeftButton, 10, 10);
    Image1_MouseDown(g, 3, kRightButton, 10, 10);
    EXPECT_EQ(f.fake.messages.size(), 2u);
}

TEST_F(PointerPlayTest, ASlidingBoardOnlyHidesTheFrameOnAPress) {
    g.settings.fSlide = true;
    g.win.Shape1.Visible = true;
    Image1_MouseDown(g, 1, kLeftButton, 10, 10);
    MoveOver(1, 2);
    EXPECT_FALSE(g.win.Shape1.Visible);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(PieceAt(2), 2);
    Image1_MouseUp(g, 1, kLeftButton);
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{kMarca});
}

TEST(SlotAtPointTest, FirstElementInIndexOrderThatStrictlyContainsThePoint) {
    BoardFixture f;
    f.MakeRegularBoard(2, 1, 600);  // [120, 720) and [720, 1320)
    // A third element overlapping both is found only where neither is.
    Element extra;
    extra.box = {600, 120, 300, 900};
    f.g.win.Image1.push_back(extra);
    EXPECT_EQ(SlotAtPoint(f.g, 700, 400), 1);
    EXPECT_EQ(SlotAtPoint(f.g, 720, 400), 3);  // on the shared edge of 1 and 2
    EXPECT_EQ(SlotAtPoint(f.g, 721, 400), 2);
    EXPECT_EQ(SlotAtPoint(f.g, 120, 400), 0);  // left edge
    EXPECT_EQ(SlotAtPoint(f.g, 400, 120), 0);  // top edge
    EXPECT_EQ(SlotAtPoint(f.g, 1319, 719), 2);
    EXPECT_EQ(SlotAtPoint(f.g, 1320, 400), 0);
}

}  // namespace
}  // namespace quilto
