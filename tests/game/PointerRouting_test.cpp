#include "game/PointerRouting.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "game/MainWindow.h"
#include "game/PointerPlay.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;
using Kind = PointerTarget::Kind;

// The window's own elements around a 3 x 2 board of 600-unit cells at
// (120, 120), laid as puzzle creation lays them: the pieces take the
// template's place in the stacking order, under the overlays.
struct PointerRoutingTest : ::testing::Test {
    BoardFixture f;
    GameState& g = f.g;
    PointerRouter router;

    void SetUp() override {
        InitElements(g.win);
        g.win.Label1.box = {120, 120, 1800, 1200};
        g.win.Image2.box = g.win.Label1.box;
        g.win.Image2.Picture = 1;
        f.MakeRegularBoard(3, 2);
        for (std::size_t p = 1; p < g.win.Image1.size(); ++p) {
            g.win.Image1[p].Z = g.win.Image1[0].Z;
            g.win.Image1[p].Visible = true;
        }
        g.fPlaying = true;
    }
    // The middle of position p, in window units on the window.
    std::pair<float, float> Middle(int p) const {
        const Box& b = g.win.Image1[static_cast<std::size_t>(p)].box;
        return {b.Left + b.Width / 2, b.Top + b.Height / 2};
    }
    void Press(int button, int p, bool othersHeld = false) {
        const auto [x, y] = Middle(p);
        router.Press(g, button, othersHeld, x, y);
    }
    void Move(int p) {
        const auto [x, y] = Middle(p);
        router.Move(g, x, y);
    }
    void Release(int button, int p) {
        const auto [x, y] = Middle(p);
        router.Release(g, button, x, y);
    }
};

TEST_F(PointerRoutingTest, APressGoesToTheTopmostElementThatTakesThePointer) {
    const auto [x, y] = Middle(5);
    EXPECT_EQ(TargetAt(g, x, y), (PointerTarget{Kind::Piece, 5}));
    // Frames, the dot and the marks let the pointer through to the piece.
    g.win.Shape1.box = g.win.Shape3.box = g.win.Shape5.box = g.win.Image1[5].box;
    g.win.Shape1.Visible = g.win.Shape3.Visible = g.win.Shape5.Visible = true;
    g.win.BringToFront(g.win.Shape1);
    EXPECT_EQ(TargetAt(g, x, y), (PointerTarget{Kind::Piece, 5}));
    // Where there is no piece the board frame takes it; outside, nothing.
    g.win.Image1[5].Visible = false;
    EXPECT_EQ(TargetAt(g, x, y).kind, Kind::Other);
    EXPECT_EQ(TargetAt(g, 50, 50).kind, Kind::Nothing);
    // Edges: a box holds its left and top edge, not its right and bottom.
    EXPECT_EQ(TargetAt(g, 120, 120), (PointerTarget{Kind::Piece, 1}));
    EXPECT_EQ(TargetAt(g, 720, 120), (PointerTarget{Kind::Piece, 2}));
    // The finished picture in front covers every piece.
    g.win.Image2.Visible = true;
    g.win.BringToFront(g.win.Image2);
    EXPECT_EQ(TargetAt(g, 120, 120).kind, Kind::Other);
}

TEST_F(PointerRoutingTest, ThePressedPieceKeepsThePointerWhereverItGoes) {
    Press(kLeftButton, 1);
    EXPECT_EQ(g.DragSlot, 1);
    Move(6);
    EXPECT_EQ(g.DropSlot, 6);
    router.Move(g, -3000, -3000);  // far off the board: still the drag's
    EXPECT_EQ(router.CursorAt(g, -3000, -3000), Cursor::DragOverNothing);
    EXPECT_EQ(g.DropSlot, 6);
    Release(kLeftButton, 6);
    EXPECT_FALSE(router.Captured());
    EXPECT_EQ(g.PieceAt[1], 6);
    EXPECT_EQ(f.fake.sounds.size(), 1u);
    EXPECT_EQ(router.CursorAt(g, Middle(1).first, Middle(1).second), Cursor::Default);
}

TEST_F(PointerRoutingTest, AfterAWinTheFinishedPictureTakesEveryPress) {
    g.win.Image2.Visible = true;
    g.win.BringToFront(g.win.Image2);
    Press(kLeftButton, 2);
    Move(3);
    Release(kLeftButton, 3);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.PieceAt[2], 2);
    EXPECT_TRUE(f.fake.sounds.empty());
}

TEST_F(PointerRoutingTest, AClickFollowsALeftReleaseOverThePressedPieceOnly) {
    g.AppDir = "/app/";
    g.settings.fSlide = true;
    g.win.Image1[6].Picture = kEmptyPicture;
    SwapPieces(g, 5, 6);
    g.EmptySlot = 5;
    // Released over another piece: no click, nothing slides.
    Press(kLeftButton, 6);
    Release(kLeftButton, 4);
    EXPECT_EQ(g.EmptySlot, 5);
    // The right button does not click.
    Press(kRightButton, 6);
    Release(kRightButton, 6);
    EXPECT_EQ(g.EmptySlot, 5);
    // A left press and release on the piece next to the empty slot slides it
    // home, after the release's own cue, and wins.
    f.fake.sounds.clear();
    Press(kLeftButton, 6);
    Release(kLeftButton, 6);
    EXPECT_EQ(g.EmptySlot, 6);
    EXPECT_EQ(f.fake.sounds, (std::vector<std::string>{"/app/Marca.wav", "/app/Desplaza.wav", "/app/Acaba.wav"}));
}

TEST_F(PointerRoutingTest, ACaptureEndsWithTheBoardOrWithAReleaseThatNeverCame) {
    // A new board while the button is held: the old element is gone, and so
    // is its capture.
    Press(kLeftButton, 2);
    Move(3);
    g.fDragging = false;
    ++g.BoardSerial;
    Release(kLeftButton, 3);
    EXPECT_TRUE(f.fake.sounds.empty());
    EXPECT_FALSE(router.Captured());

    // A release lost to another window: the next press with no other button
    // down starts afresh on the piece under the pointer.
    Press(kLeftButton, 1);
    Press(kLeftButton, 4, /*othersHeld=*/false);
    EXPECT_EQ(g.DragSlot, 4);
    // A second button while one is held goes to the captured piece: a cancel.
    Move(5);
    Press(kRightButton, 6, /*othersHeld=*/true);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.PieceAt[4], 4);
    EXPECT_EQ(g.PieceAt[5], 5);
}

TEST_F(PointerRoutingTest, AButtonHeldThroughTheWinMovesNoPieceOfTheFinishedBoard) {
    SwapPieces(g, 5, 6);
    // The middle button goes down on piece 5 and stays down; a left drag
    // with it takes 5 onto 6 and wins.
    Press(kMiddleButton, 5);
    Press(kLeftButton, 5, /*othersHeld=*/true);
    Move(6);
    Release(kLeftButton, 6);
    ASSERT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    // The finished picture covers the board, but the middle button still
    // holds piece 5: another left drag reaches it, and must not take the
    // solved board apart.
    Press(kLeftButton, 5, /*othersHeld=*/true);
    Move(1);
    Move(3);
    EXPECT_EQ(g.PieceAt, (std::vector<std::int16_t>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(PointerRoutingTest, ADragWhoseReleaseWasLostGivesUpItsPointerWhenTheNextOneEnds) {
    // A left drag from piece 1 whose release never comes back (a message box
    // took it); the next press, on another piece, ends it.
    Press(kLeftButton, 1);
    Move(2);
    Press(kLeftButton, 4, /*othersHeld=*/false);
    Release(kLeftButton, 4);
    EXPECT_EQ(g.win.Image1[1].Pointer, Cursor::Default);
    // The same when another button ends it on another piece.
    Press(kLeftButton, 2);
    Move(3);
    Press(kRightButton, 6, /*othersHeld=*/false);
    EXPECT_FALSE(g.fDragging);
    EXPECT_EQ(g.win.Image1[2].Pointer, Cursor::Default);
    EXPECT_EQ(router.CursorAt(g, Middle(2).first, Middle(2).second), Cursor::Default);
}

}  // namespace
}  // namespace quilto
