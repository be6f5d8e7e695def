#include "game/Slippery.h"

#include <gtest/gtest.h>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using Board = std::vector<std::int16_t>;  // PieceAt, [0] unused

struct SlipperyTest : ::testing::Test, test::BoardFixture {
    SlipperyTest() : BoardFixture(7) {
        InitWindow();
        g.settings.fSlippery = g.win.Label4.Visible = g.win.Timer1.Enabled = true;
    }
    int TicksToFullBar() {  // -1: the bar never empties
        for (int t = 1; t <= 100; ++t)
            if (Timer1_Timer(g), g.win.Label4.box.Width == 0) return t;
        return -1;
    }
};

TEST_F(SlipperyTest, TheBarFillsInTwentyTicksAndAFullOneChecksForTheWinBeforeAnyExchange) {
    MakeRegularBoard(1, 2);
    SwapPieces(g, 1, 2);
    g.settings.fSlippery = false;
    for (int t = 0; t < 50; ++t) Timer1_Timer(g);
    EXPECT_EQ(g.win.Label4.box.Width, 0) << "a tick without slippery pieces moves the bar";
    g.settings.fSlippery = true;
    for (int t = 1; t < 20; ++t) Timer1_Timer(g);
    EXPECT_FLOAT_EQ(g.win.Label4.box.Width, float(19 * g.win.Label1.box.Width / 19.2));
    for (int bar = 0; bar < 5; ++bar) EXPECT_EQ(TicksToFullBar(), bar == 0 ? 1 : 20);
    // 2 / 4 = 0.5 exchanges goes to the even 0.
    EXPECT_EQ(std::tuple(g.PieceAt, fake.sounds.size()), std::tuple(Board{0, 2, 1}, 0u));
    SwapPieces(g, 1, 2);  // solved in between: the next full bar announces it
    EXPECT_EQ(TicksToFullBar(), 20);
    EXPECT_EQ(std::tuple(fake.MessageTexts(), g.win.Timer1.Enabled, g.fPlaying, g.win.Image2.Visible, g.PieceAt),
              std::tuple(std::vector<std::string>{"Lo has logrado!"}, false, false, true, Board{0, 1, 2}));
}

TEST_F(SlipperyTest, TwoMisplacedPiecesOnTheLargestBoardStayMisplacedAndTheMoveEnds) {
    MakeRegularBoard(65, 65, 135);
    for (const auto& [a, b] : {std::pair{1, 4225}, std::pair{2000, 2001}}) {
        ResetPieces();
        SwapPieces(g, a, b);
        for (int move = 0; move < 20; ++move) SlipperyMove(g);
        EXPECT_EQ(std::tuple(g.PieceAt[std::size_t(a)], g.PieceAt[std::size_t(b)], test::SortedPieces(g)),
                  std::tuple(b, a, test::Identity(4225)));
    }
}

// Every piece one place on, so that many pairs may trade: a move of k
// exchanges changes at most 2k positions, and often that many.
TEST_F(SlipperyTest, AMoveMakesAQuarterOfThePieceCountExchangesRoundedToEvenAndBringsNoPieceHome) {
    for (const auto& [pieces, exchanges] : {std::pair{6, 2}, {10, 2}, {14, 4}}) {
        MakeRegularBoard(pieces, 1);
        std::size_t most = 0;
        for (int move = 0; move < 2000; ++move) {
            for (int p = 1; p <= pieces; ++p) g.PieceAt[std::size_t(p)] = std::int16_t(p % pieces + 1);
            const Board before = g.PieceAt;
            SlipperyMove(g);
            std::size_t changed = 0, home = 0;
            for (int p = 1; p <= pieces; ++p) {
                changed += g.PieceAt[std::size_t(p)] != before[std::size_t(p)];
                home += g.PieceAt[std::size_t(p)] == p;
            }
            most = std::max(most, changed);
            ASSERT_EQ(std::tuple(home, test::SortedPieces(g)), std::tuple(0u, test::Identity(pieces)));
        }
        EXPECT_EQ(most, 2u * exchanges) << pieces << " pieces";
    }
}

}  // namespace
}  // namespace quilto
