// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Shuffle.h"

#include <gtest/gtest.h>

#include <set>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

TEST(ShuffleTest, EveryKindDealsAPermutationReplaysBackHomeAndSlidesOnlyIntoTheEmptySlot) {
    const struct {
        int columns, rows;  // a regular grid, or with columns == 0 a board laid on rows x rows units
        bool slide, irregular;
        int steps;  // exchanges: twice the piece count when free, count^1.7 or ^1.5 when sliding
    } cases[] = {{7, 5, false, false, 70}, {1, 9, false, false, 18},    {0, 12, false, true, 118},
                 {2, 2, true, false, 10},  {10, 10, true, false, 2511}, {4, 3, true, false, 68},
                 {1, 5, true, false, 15},  {5, 1, true, false, 15},     {1, 1, true, false, 0},
                 {0, 1, true, true, 0},    {0, 9, true, true, 181},     {0, 65, true, true, 207417}};
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.columns << "x" << k.rows << (k.slide ? " sliding" : ""));
        test::BoardFixture f(static_cast<std::uint64_t>(k.rows));
        GameState& g = f.g;
        k.columns ? f.MakeRegularBoard(k.columns, k.rows) : f.MakeIrregularBoard(k.rows);
        g.settings.fSlide = k.slide;
        int e = k.slide && !k.irregular ? g.PieceCount : g.EmptySlot;
        ExchangeLog log;
        Shuffle(g, &log);
        EXPECT_FIELDS((log.size(), test::SortedPieces(g)), (std::size_t(k.steps), test::Identity(g.PieceCount)));
        std::set<int> visited{e};
        for (const auto& [p, from] : log) {
            if (!k.slide) break;
            TestAdjacent(g, p, e);
            ASSERT_FIELDS((from, g.fAdjacent), (std::int16_t(e), true)) << p << " -> " << e;
            visited.insert(e = p);
        }
        EXPECT_EQ(g.EmptySlot, e);
        // A walk that kept to some of the neighbours would stay in a corner of the board.
        if (k.slide && k.steps >= 4 * g.PieceCount) {
            EXPECT_GE(2 * visited.size(), std::size_t(g.PieceCount));
        }
        // Pictures travel with their pieces; the empty slot shows none.
        for (int p = 1; p <= g.PieceCount; ++p)
            EXPECT_EQ(g.win.Piece(p).Picture,
                      k.slide && p == e ? kEmptyPicture : test::BoardFixture::PictureOf(g.PieceAt[std::size_t(p)]));
        for (auto it = log.rbegin(); it != log.rend(); ++it) SwapPieces(g, it->first, it->second);
        std::vector<std::int16_t> home(g.PieceAt.size());
        std::iota(home.begin(), home.end(), 0);
        EXPECT_FIELDS((g.PieceAt), (home));
    }
}

}  // namespace
}  // namespace quilto
