#include "game/Sliding.h"

#include <gtest/gtest.h>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/PointerPlay.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;
using Board = std::vector<std::int16_t>;  // PieceAt, [0] unused
using Texts = std::vector<std::string>;

const std::string kDesplaza = "/app/Desplaza.wav", kNoMueve = "/app/NoMueve.wav", kAcaba = "/app/Acaba.wav";
const Texts kWon{"Lo has logrado!"};

// A solved 4 x 3 sliding board in play: the empty slot, which hides the
// picture of piece 12, at home.
struct SlidingTest : ::testing::Test {
    BoardFixture f;
    GameState& g = f.g;

    void SetUp() override {
        g.AppDir = "/app/";
        g.settings.fSlide = true;
        f.MakeRegularBoard(4, 3);
        g.win.Image1[12].Picture = kEmptyPicture;
        g.EmptySlot = 12;
        g.fPlaying = true;
    }
    // Moves the empty slot along legal slides, without a sound.
    void WalkEmptyTo(std::initializer_list<int> path) {
        for (int p : path) {
            SwapPieces(g, p, g.EmptySlot);
            g.EmptySlot = static_cast<std::int16_t>(p);
        }
    }
    // Clicks p; returns the sounds it made.
    Texts Click(int p) {
        f.fake.sounds.clear();
        Image1_Click(g, p);
        return f.fake.sounds;
    }
    void ExpectEmptyAt(int p) const {
        EXPECT_EQ(std::tuple(g.EmptySlot, g.PieceAt[static_cast<std::size_t>(p)]), std::tuple(p, 12));
        EXPECT_EQ(g.win.Image1[static_cast<std::size_t>(p)].Picture, kEmptyPicture);
    }
};

TEST_F(SlidingTest, AClickSlidesTheRunBetweenThePieceAndTheEmptySlot) {
    WalkEmptyTo({11, 10, 9});
    EXPECT_EQ(Click(8), Texts{kNoMueve});  // the end of the row above: not in line
    WalkEmptyTo({5, 1});
    ASSERT_EQ(g.PieceAt, (Board{0, 12, 2, 3, 4, 1, 6, 7, 8, 5, 9, 10, 11}));
    EXPECT_EQ(Click(4), Texts{kDesplaza});  // the far end of the row
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 3, 4, 12, 1, 6, 7, 8, 5, 9, 10, 11}));
    ExpectEmptyAt(4);
    Click(12);  // up the column: two pieces move
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 3, 4, 8, 1, 6, 7, 11, 5, 9, 10, 12}));
    EXPECT_EQ(Click(11), Texts{kDesplaza});  // the neighbour alone
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 3, 4, 8, 1, 6, 7, 11, 5, 9, 12, 10}));
    ExpectEmptyAt(11);
    EXPECT_EQ(f.fake.MessageTexts(), Texts{});
}

TEST_F(SlidingTest, ADiagonalPieceCannotMoveButTheCheckRunsAndTheEmptySlotItselfIsIgnored) {
    EXPECT_EQ(Click(7), (Texts{kNoMueve, kAcaba}));  // a solved board is found even so
    ExpectEmptyAt(12);
    EXPECT_EQ(f.fake.MessageTexts(), kWon);
    g.fPlaying = true;
    WalkEmptyTo({11});
    EXPECT_EQ(Click(11), Texts{});
    g.settings.fSlide = false;  // a free board has no slides
    EXPECT_EQ(Click(12), Texts{});
    ExpectEmptyAt(11);
    EXPECT_EQ(f.fake.messages.size(), 1u);
}

TEST_F(SlidingTest, OnlyTheSlideThatBringsTheEmptySlotHomeWinsAndAfterItNothingMoves) {
    WalkEmptyTo({11, 10});
    Click(11);  // every piece home but the empty slot and piece 11
    EXPECT_EQ(f.fake.MessageTexts(), Texts{});
    Click(12);
    EXPECT_EQ(f.fake.MessageTexts(), kWon);
    // A release may find the board solved before its own click comes: the
    // click leaves the finished board as it was won.
    g.fPlaying = true;
    Image1_MouseUp(g, 11, kLeftButton);
    EXPECT_EQ(Click(11), Texts{});
    ExpectEmptyAt(12);
    EXPECT_EQ(f.fake.messages.size(), 2u);
}

// The empty slot's element and neighbours that share an edge with it, touch
// a corner only, or run beside its left edge for 5 units.
TEST(IrregularSlidingTest, OnlyAPieceSharingAnEdgeOfMoreThanFiveUnitsMoves) {
    BoardFixture f;
    GameState& g = f.g;
    g.AppDir = "/app/";
    g.settings = {3, 3, 1, true, true, false};
    g.UnitWidth = 600;
    g.win.Image1.resize(1);
    for (const Box& b :
         {Box{1000, 1000, 600, 600}, Box{1600, 1000, 600, 600}, Box{1600, 1600, 600, 600}, Box{400, 1595, 600, 600}}) {
        Element e;
        e.box = b;
        g.win.Image1.push_back(e);
    }
    g.PieceCount = 4;
    f.ResetPieces();
    g.win.Image1[1].Picture = kEmptyPicture;
    g.EmptySlot = 1;
    g.fPlaying = true;

    Image1_Click(g, 3);  // the corner
    Image1_Click(g, 4);  // 5 units along
    EXPECT_EQ(f.fake.sounds, (Texts{kNoMueve, kNoMueve}));
    EXPECT_EQ(f.fake.MessageTexts(), Texts{}) << "a refused click runs no completion check";
    Image1_Click(g, 2);
    EXPECT_EQ(g.PieceAt, (Board{0, 2, 1, 3, 4}));
    EXPECT_EQ(std::tuple(g.EmptySlot, g.win.Image1[2].Picture, g.win.Image1[1].Picture),
              std::tuple(2, kEmptyPicture, BoardFixture::PictureOf(2)));
    EXPECT_EQ(f.fake.MessageTexts(), Texts{});
    Image1_Click(g, 1);  // back home
    EXPECT_EQ(f.fake.MessageTexts(), kWon);
}

TEST(CompletionTest, EveryPieceHomeWinsAtEveryCheckAndABoardWithoutPiecesNever) {
    BoardFixture f;
    GameState& g = f.g;
    g.AppDir = "/app/";
    f.MakeRegularBoard(3, 3);
    g.fPlaying = g.win.Timer1.Enabled = g.win.Label4.Visible = true;
    SwapPieces(g, 4, 8);
    CheckCompletion(g);  // one exchange away
    EXPECT_EQ(std::tuple(f.fake.MessageTexts(), g.fPlaying), std::tuple(Texts{}, true));

    SwapPieces(g, 4, 8);
    const std::int64_t zBefore = g.win.Image2.Z;
    // The game is still on while the message is open, the rest is done.
    f.fake.onMessage = [&](const test::ShownMessage& m) {
        EXPECT_EQ(std::tuple(m.icon, g.fPlaying, g.win.Image2.Visible, g.win.Timer1.Enabled, g.win.Label4.Visible),
                  std::tuple(MsgIcon::Information, true, true, false, false));
    };
    CheckCompletion(g);
    EXPECT_EQ(std::tuple(f.fake.MessageTexts(), f.fake.sounds, g.fPlaying), std::tuple(kWon, Texts{kAcaba}, false));
    EXPECT_GT(g.win.Image2.Z, zBefore);
    f.fake.onMessage = nullptr;
    CheckCompletion(g);  // announced again
    EXPECT_EQ(f.fake.messages.size(), 2u);

    g.PieceCount = 0;  // what a build that failed leaves
    g.PieceAt.assign(1, 0);
    CheckCompletion(g);
    EXPECT_EQ(f.fake.messages.size(), 2u);
}

}  // namespace
}  // namespace quilto
