#include "game/PointerPlay.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;
using Board = std::vector<std::int16_t>;  // PieceAt, [0] unused
using Texts = std::vector<std::string>;

const std::string kMarca = "/app/Marca.wav";
const Board kStart{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11};

// A 4 x 3 board of 600-unit cells at (120, 120) in play, every piece at home
// but 11 and 12, so that no drag here solves it by accident.
struct PointerPlayTest : ::testing::Test {
    BoardFixture f;
    GameState& g = f.g;

    void SetUp() override {
        g.AppDir = "/app/";
        f.MakeRegularBoard(4, 3);
        SwapPieces(g, 11, 12);
        g.fPlaying = true;
    }
    const Box& BoxOf(int p) const { return g.win.Image1[static_cast<std::size_t>(p)].box; }
    Cursor PointerOf(int p) const { return g.win.Image1[static_cast<std::size_t>(p)].Pointer; }
    void Press(int p, int button = kLeftButton) { Image1_MouseDown(g, p, button, 10, 10); }
    // The pointer at (x, y) on the window, reported to the element pressed at `from`.
    void MoveTo(int from, float x, float y) { Image1_MouseMove(g, from, x - BoxOf(from).Left, y - BoxOf(from).Top); }
    void MoveOver(int from, int p) { MoveTo(from, BoxOf(p).Left + 300, BoxOf(p).Top + 300); }
};

TEST_F(PointerPlayTest, OnlyTheLastTrialIsKeptAndTheReleaseKeepsIt) {
    Press(1);
    EXPECT_EQ(std::tuple(g.fDragging, g.DragSlot, g.win.Shape1.Visible, PointerOf(1)),
              std::tuple(true, 1, true, Cursor::DragOverPiece));
    EXPECT_EQ(g.win.Shape1.box, BoxOf(1));
    for (int p : {2, 6, 7}) {
        MoveOver(1, p);
        EXPECT_EQ(g.DropSlot, p);
        EXPECT_EQ(g.win.Shape5.box, BoxOf(p));
    }
    const Board swapped{0, 7, 2, 3, 4, 5, 6, 1, 8, 9, 10, 12, 11};
    EXPECT_EQ(g.PieceAt, swapped);
    EXPECT_EQ(std::tuple(g.win.Image1[1].Picture, g.win.Image1[7].Picture),
              std::tuple(BoardFixture::PictureOf(7), BoardFixture::PictureOf(1)));

    Image1_MouseUp(g, 1, kLeftButton);
    EXPECT_EQ(g.PieceAt, swapped);
    EXPECT_EQ(std::tuple(g.fDragging, g.DragSlot, PointerOf(1), g.win.Shape1.Visible, g.win.Shape5.Visible),
              std::tuple(false, 0, Cursor::Default, false, false));
    EXPECT_EQ(f.fake.sounds, Texts{kMarca});
}

TEST_F(PointerPlayTest, OffTheBoardOrOnAnEdgeTheTrialStaysAndBackAtTheStartNothingIsExchanged) {
    Press(5);
    MoveOver(5, 8);
    MoveTo(5, -4880, 400);  // off the board
    EXPECT_EQ(std::tuple(PointerOf(5), g.DropSlot, g.PieceAt[5]), std::tuple(Cursor::DragOverNothing, 8, 8));
    MoveTo(5, 1320, 400);  // exactly on the edge between positions 2 and 3: in neither
    EXPECT_EQ(std::tuple(PointerOf(5), g.DropSlot), std::tuple(Cursor::DragOverNothing, 8));
    MoveTo(5, 1321, 400);  // a unit inside position 3
    EXPECT_EQ(std::tuple(PointerOf(5), g.DropSlot, g.PieceAt[5], g.PieceAt[8]),
              std::tuple(Cursor::DragOverPiece, 3, 3, 8));
    MoveOver(5, 5);
    EXPECT_EQ(std::tuple(g.DropSlot, g.win.Shape5.box), std::tuple(5, BoxOf(5)));
    Image1_MouseUp(g, 5, kLeftButton);
    EXPECT_EQ(g.PieceAt, kStart);
}

TEST_F(PointerPlayTest, AnotherButtonCancelsTheTrialAndTheDropFrameWaitsForARelease) {
    Press(2);
    Press(2, kRightButton);  // before any trial: nothing to undo
    EXPECT_EQ(std::tuple(g.fDragging, g.PieceAt), std::tuple(false, kStart));

    Press(2);
    MoveOver(2, 4);
    Press(2, kMiddleButton);
    EXPECT_EQ(std::tuple(g.fDragging, g.DragSlot, PointerOf(2), g.win.Shape5.Visible, g.PieceAt),
              std::tuple(false, 0, Cursor::Default, true, kStart));
    MoveOver(2, 9);  // no drag any more
    EXPECT_EQ(g.PieceAt, kStart);
    Image1_MouseUp(g, 2, kMiddleButton);
    EXPECT_FALSE(g.win.Shape5.Visible);
    Image1_MouseUp(g, 2, kLeftButton);
    EXPECT_EQ(f.fake.sounds, (Texts{kMarca, kMarca}));
}

TEST_F(PointerPlayTest, EveryReleaseAndCancelChecksForTheWinButNoMoveDoes) {
    Press(3);  // pressed and released without a move
    Image1_MouseUp(g, 3, kLeftButton);
    EXPECT_EQ(std::tuple(g.PieceAt, f.fake.sounds, f.fake.MessageTexts()), std::tuple(kStart, Texts{kMarca}, Texts{}));

    Press(11);
    MoveOver(11, 12);
    EXPECT_EQ(f.fake.MessageTexts(), Texts{});
    Image1_MouseUp(g, 11, kLeftButton);
    EXPECT_EQ(std::tuple(f.fake.MessageTexts(), g.fPlaying), std::tuple(Texts{"Lo has logrado!"}, false));
    // On the solved board a cancel announces the win again.
    Press(3);
    Press(3, kRightButton);
    EXPECT_EQ(f.fake.messages.size(), 2u);
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
