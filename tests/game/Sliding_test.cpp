#include "game/Sliding.h"

#include <gtest/gtest.h>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/PointerPlay.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

const std::string kDesplaza = "/app/Desplaza.wav";
const std::string kNoMueve = "/app/NoMueve.wav";

// A 4 x 3 sliding board whose empty slot (the picture of piece 12) has been
// walked to a given position along legal slides.
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
    void WalkEmptyTo(std::initializer_list<int> path) {
        for (int p : path) {
            SwapPieces(g, p, g.EmptySlot);
            g.EmptySlot = static_cast<std::int16_t>(p);
        }
        f.fake.sounds.clear();
    }
    std::vector<int> Row(int first) const {
        std::vector<int> out;
        for (int p = first; p < first + 4; ++p) out.push_back(g.PieceAt[static_cast<std::size_t>(p)]);
        return out;
    }
    void ExpectEmptyAt(int p) const {
        EXPECT_EQ(g.EmptySlot, p);
        EXPECT_EQ(g.PieceAt[static_cast<std::size_t>(p)], 12);
        EXPECT_EQ(g.win.Image1[static_cast<std::size_t>(p)].Picture, kEmptyPicture);
    }
};

TEST_F(SlidingTest, AClickSlidesTheWholeRunTowardTheEmptySlot) {
    WalkEmptyTo({11, 10, 9, 5, 1});  // 12 2 3 4 / 1 6 7 8 / 5 9 10 11
    ASSERT_EQ(Row(1), (std::vector<int>{12, 2, 3, 4}));
    Image1_Click(g, 4);  // the far end of the row
    EXPECT_EQ(Row(1), (std::vector<int>{2, 3, 4, 12}));
    ExpectEmptyAt(4);
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{kDesplaza});

    Image1_Click(g, 12);  // up the column: 8 and 11 move up
    ExpectEmptyAt(12);
    EXPECT_EQ(g.PieceAt[4], 8);
    EXPECT_EQ(g.PieceAt[8], 11);

    f.fake.sounds.clear();
    Image1_Click(g, 11);  // the neighbour: exactly that piece moves
    ExpectEmptyAt(11);
    EXPECT_EQ(g.PieceAt[12], 10);
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{kDesplaza});
}

TEST_F(SlidingTest, ADiagonalPieceCannotMoveButTheCompletionCheckRuns) {
    // On a solved board a refused click still finds the win.
    Image1_Click(g, 7);  // diagonal to 12
    EXPECT_EQ(f.fake.sounds, (std::vector<std::string>{kNoMueve, "/app/Acaba.wav"}));
    ExpectEmptyAt(12);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
}

TEST_F(SlidingTest, TheEmptySlotItselfOrAFreeBoardIgnoresTheClick) {
    WalkEmptyTo({11});
    Image1_Click(g, 11);
    g.settings.fSlide = false;
    Image1_Click(g, 12);
    EXPECT_TRUE(f.fake.sounds.empty());
    EXPECT_TRUE(f.fake.messages.empty());
    ExpectEmptyAt(11);
}

TEST_F(SlidingTest, TheSlideThatBringsTheEmptySlotHomeWins) {
    WalkEmptyTo({11, 10});
    Image1_Click(g, 11);
    EXPECT_TRUE(f.fake.messages.empty());  // the empty slot is not home yet
    Image1_Click(g, 12);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
}

// Hand-made irregular geometry: the empty slot's element and a neighbour
// that touches it along an edge, at a corner, or along 5 or 6 units.
TEST(IrregularSlidingTest, OnlyAPieceSharingAnEdgeOfSixUnitsOrMoreMoves) {
    BoardFixture f;
    GameState& g = f.g;
    g.AppDir = "/app/";
    g.settings = {3, 3, 1, true, true, false};
    g.UnitWidth = 600;
    g.win.Image1.resize(1);
    const Box boxes[] = {
        {1000, 1000, 600, 600},  // 1: the empty slot
        {1600, 1000, 600, 600},  // 2: shares its right edge
        {1600, 1600, 600, 600},  // 3: touches a corner only
        {400, 1595, 600, 600},   // 4: below-left, overlapping 5 units along the bottom
        {994, 1600, 600, 600},   // 5: below, shares 594 units
    };
    for (const Box& b : boxes) {
        Element e;
        e.box = b;
        g.win.Image1.push_back(e);
    }
    g.PieceCount = 5;
    f.ResetPieces();
    g.win.Image1[1].Picture = kEmptyPicture;
    g.EmptySlot = 1;
    g.fPlaying = true;

    for (int refused : {3, 4}) {
        Image1_Click(g, refused);
        EXPECT_EQ(g.EmptySlot, 1) << "position " << refused;
    }
    EXPECT_EQ(f.fake.sounds, (std::vector<std::string>{"/app/NoMueve.wav", "/app/NoMueve.wav"}));
    EXPECT_TRUE(f.fake.messages.empty()) << "a refused click runs no completion check";

    f.fake.sounds.clear();
    Image1_Click(g, 2);
    EXPECT_EQ(g.EmptySlot, 2);
    EXPECT_EQ(g.PieceAt[1], 2);
    EXPECT_EQ(g.win.Image1[2].Picture, kEmptyPicture);
    EXPECT_EQ(g.win.Image1[1].Picture, BoardFixture::PictureOf(2));
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{"/app/Desplaza.wav"});
    EXPECT_TRUE(f.fake.messages.empty());
    // Sliding it back solves the board.
    Image1_Click(g, 1);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
}

TEST_F(SlidingTest, TheClickAfterTheReleaseThatFindsTheBoardSolvedMovesNothing) {
    // A shuffle can walk the empty slot back home: the first click's release
    // finds the board solved, and the click itself must leave it so.
    Image1_MouseUp(g, 11, kLeftButton);
    ASSERT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    Image1_Click(g, 11);
    ExpectEmptyAt(12);
    EXPECT_EQ(Row(9), (std::vector<int>{9, 10, 11, 12}));
    EXPECT_EQ(f.fake.sounds, (std::vector<std::string>{"/app/Marca.wav", "/app/Acaba.wav"}));
}

TEST(CompletionTest, OnlyABoardWithEveryPieceHomeIsWonAndANoPieceBoardNever) {
    BoardFixture f;
    GameState& g = f.g;
    g.AppDir = "/app/";
    f.MakeRegularBoard(3, 3);
    g.fPlaying = true;
    g.win.Timer1.Enabled = true;
    g.win.Label4.Visible = true;

    SwapPieces(g, 4, 8);
    CheckCompletion(g);
    EXPECT_TRUE(f.fake.messages.empty());
    EXPECT_TRUE(g.fPlaying);

    SwapPieces(g, 4, 8);
    const std::int64_t zBefore = g.win.Image2.Z;
    // The game is still on while the message is open.
    f.fake.onMessage = [&](const test::ShownMessage& m) {
        EXPECT_EQ(m.icon, MsgIcon::Information);
        EXPECT_TRUE(g.fPlaying);
        EXPECT_TRUE(g.win.Image2.Visible);
        EXPECT_FALSE(g.win.Timer1.Enabled);
        EXPECT_FALSE(g.win.Label4.Visible);
    };
    CheckCompletion(g);
    EXPECT_EQ(f.fake.MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    EXPECT_EQ(f.fake.sounds, std::vector<std::string>{"/app/Acaba.wav"});
    EXPECT_GT(g.win.Image2.Z, zBefore);
    EXPECT_FALSE(g.fPlaying);

    f.fake.onMessage = nullptr;
    CheckCompletion(g);  // a solved board is announced at every check
    EXPECT_EQ(f.fake.messages.size(), 2u);

    // A build that failed leaves no pieces: that is no win.
    g.PieceCount = 0;
    g.PieceAt.assign(1, 0);
    CheckCompletion(g);
    EXPECT_EQ(f.fake.messages.size(), 2u);
}

}  // namespace
}  // namespace quilto
