// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Slippery.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

struct SlipperyTest : ::testing::Test, test::BoardFixture {
    SlipperyTest() : BoardFixture(7) {
        InitWindow();
        g.settings.fSlippery = g.win.Label4.Visible = true;
    }
    int TicksToFullBar() {  // -1: the bar never empties
        for (int t = 1; t <= 100; ++t)
            if (Timer1_Timer(g), g.win.Label4.box.Width == 0) return t;
        return -1;
    }
};

TEST_F(SlipperyTest, TheBarFillsInTwentyTicksOnlyWithSlipperyPieces) {
    MakeRegularBoard(1, 2);
    SwapPieces(g, 1, 2);
    g.settings.fSlippery = false;
    for (int t = 0; t < 50; ++t) Timer1_Timer(g);
    EXPECT_EQ(g.win.Label4.box.Width, 0) << "a tick without slippery pieces moves the bar";
    g.settings.fSlippery = true;
    for (int bar = 0; bar < 3; ++bar) EXPECT_EQ(TicksToFullBar(), 20);
    EXPECT_EQ(fake.sounds, Texts{}) << "the slippery moves are silent";
}

TEST_F(SlipperyTest, TwoMisplacedPiecesOnTheLargestBoardStayMisplacedAndTheMoveEnds) {
    MakeRegularBoard(65, 65, 135);
    for (const auto& [a, b] : {std::pair{1, 4225}, std::pair{2000, 2001}}) {
        ResetPieces();
        SwapPieces(g, a, b);
        for (int move = 0; move < 20; ++move) SlipperyMove(g);
        EXPECT_FIELDS((g.PieceAt[std::size_t(a)], g.PieceAt[std::size_t(b)], test::SortedPieces(g)),
                      (b, a, test::Identity(4225)))
            << "swapped " << a << " and " << b;
    }
}

// From a four-cycle, the boards one move leaves are spread as a quarter of
// the piece count (rounded to even) draws of an acceptable pair spread them:
// both positions misplaced, neither piece landing at home, all pairs alike.
TEST_F(SlipperyTest, AMoveMakesAQuarterOfThePieceCountExchangesAmongTheMisplacedAlike) {
    for (const auto& [columns, exchanges] : {std::pair{3, 2}, std::pair{5, 2}, std::pair{7, 4}}) {
        MakeRegularBoard(columns, 2);
        Board start(g.PieceAt);
        start[1] = 2, start[2] = 3, start[3] = 4, start[4] = 1;
        std::map<Board, double> exact{{start, 1.0}};
        for (int step = 0; step < exchanges; ++step) {
            std::map<Board, double> next;
            for (const auto& [b, chance] : exact) {
                std::vector<std::pair<std::size_t, std::size_t>> pairs;
                for (std::size_t p = 1; p < b.size(); ++p)
                    for (std::size_t q = 1; q < b.size(); ++q)
                        if (b[p] != int(p) && b[q] != int(q) && b[p] != int(q) && b[q] != int(p))
                            pairs.emplace_back(p, q);
                for (const auto& [p, q] : pairs) {
                    Board to = b;
                    std::swap(to[p], to[q]);
                    next[to] += chance / double(pairs.size());
                }
            }
            exact = std::move(next);
        }
        // Pearson's statistic under its 0.1 % point (Wilson-Hilferty); the seed is fixed.
        const int samples = 20000;
        std::map<Board, double> seen;
        for (int i = 0; i < samples; ++i) {
            g.PieceAt = start;
            SlipperyMove(g);
            ++seen[g.PieceAt];
        }
        double chi2 = 0;
        for (const auto& [b, n] : seen) {
            if (!exact.count(b)) ADD_FAILURE() << "a move gives a board no acceptable exchanges give";
            chi2 += std::pow(n - exact[b] * samples, 2) / (exact[b] * samples);
        }
        const double k = double(exact.size()) - 1;
        EXPECT_LT(chi2, k * std::pow(1 - 2 / (9 * k) + 3.09 * std::sqrt(2 / (9 * k)), 3)) << 2 * columns << " pieces";
    }
}

}  // namespace
}  // namespace quilto
