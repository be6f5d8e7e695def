// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

// Piece k's outline in whole units: {column, row, width, height} from (1, 1).
std::vector<std::array<int, 4>> UnitRects(const GameState& g) {
    std::vector<std::array<int, 4>> rects;
    const Box& f = g.win.Label1.box;
    EXPECT_EQ(g.win.Shape4.size(), static_cast<std::size_t>(g.PieceCount));
    for (const Box& s : g.win.Shape4)
        rects.push_back({int(std::lround((s.Left - f.Left) / g.UnitWidth)) + 1,
                         int(std::lround((s.Top - f.Top) / g.UnitHeight)) + 1, int(std::lround(s.Width / g.UnitWidth)),
                         int(std::lround(s.Height / g.UnitHeight))});
    return rects;
}

// Tall blocks, strips, squares, dominoes, singles: the order they are laid in.
enum Rank { kTall, kStrip, kSquare, kDomino, kSingle };
Rank RankOf(int w, int h) {
    return w * h == 6 ? kTall : w * h == 3 ? kStrip : w * h == 4 ? kSquare : w * h == 2 ? kDomino : kSingle;
}

TEST(LayoutTest, TilesEverySideInOrderAndNotesTheCornerPiece) {
    // From one unit (a single piece, also the empty slot) up. The fake clock stands
    // still: an attempt that only time could end hangs here.
    bool bigOnCorner = false, singleOnCorner = false;
    for (int n = 1; n <= kMaxSide; ++n)
        for (int seed = 1; seed <= (n <= 13 ? 20 : 3); ++seed) {
            SCOPED_TRACE(testing::Message() << "N=" << n << " seed=" << seed);
            test::BoardFixture f(static_cast<std::uint64_t>(seed * 7919 + n));
            f.g.settings.Rows = static_cast<std::int16_t>(n);
            BuildMixedLayout(f.g);
            std::vector<int> owner(static_cast<std::size_t>(n * n), 0);
            auto at = [&](int c, int r) -> int& { return owner[static_cast<std::size_t>((c - 1) * n + r - 1)]; };
            int piece = 0, last = 0;
            for (const auto& [c, r, w, h] : UnitRects(f.g)) {
                ++piece;
                ASSERT_GE(std::min(c, r), 1) << "piece " << piece;
                ASSERT_LE(std::max(c + w - 1, r + h - 1), n) << "piece " << piece;
                // Singles go column by column; a domino lies flat only where it cannot stand.
                const int key = RankOf(w, h) * 10000 + (w * h == 1) * (c * 100 + r);
                ASSERT_LE(std::exchange(last, key), key) << "piece " << piece << " is laid out of order";
                if (w == 2 && h == 1 && r < n) {
                    ASSERT_NE(at(c, r + 1), 0) << "piece " << piece << " lies flat needlessly";
                }
                if (c + w - 1 == n && r + h - 1 == n) (w * h > 1 ? bigOnCorner : singleOnCorner) = true;
                for (int x = c; x < c + w; ++x)
                    for (int y = r; y < r + h; ++y) ASSERT_EQ(std::exchange(at(x, y), piece), 0);
            }
            for (int o : owner) ASSERT_NE(o, 0);
            ASSERT_EQ(f.g.EmptySlot, at(n, n));
        }
    EXPECT_FIELDS((bigOnCorner, singleOnCorner), (true, true));
}

TEST(LayoutTest, OneStateThroughBoardsOfEverySize) {
    const int table[][6] = {// N, tall, strips, squares, dominoes, PieceCount
                            {3, 0, 0, 0, 2, 7},   {4, 0, 0, 0, 4, 12},   {5, 0, 1, 1, 6, 14},
                            {8, 1, 4, 4, 12, 27}, {10, 3, 6, 6, 16, 39}, {65, 58, 61, 61, 126, 3504},
                            {2, 0, 0, 0, 0, 4},   {1, 0, 0, 0, 0, 1},    {7, 0, 3, 3, 10, 24}};
    test::BoardFixture f(1, 6000, 4500);  // Shape4 must shrink and grow with the count
    f.g.win.Label1.box.Width = 3000;      // the frame as an earlier board left it
    for (const auto& row : table) {
        f.g.settings.Rows = static_cast<std::int16_t>(row[0]);
        BuildMixedLayout(f.g);
        int laid[kSingle + 1] = {};  // the singles are whatever is left
        for (const auto& u : UnitRects(f.g)) ++laid[RankOf(u[2], u[3])];
        EXPECT_FIELDS((laid[kTall], laid[kStrip], laid[kSquare], laid[kDomino], f.g.PieceCount),
                      (row[1], row[2], row[3], row[4], row[5]))
            << "N = " << row[0];
    }
    // The last board, N = 7, in the restored frame: units come off until they round to whole pixels.
    EXPECT_EQ(f.g.win.Label1.box, (Box{120, 120, 6000, 4500}));
    EXPECT_DOUBLE_EQ(f.g.UnitWidth, 6000.0 / 7 - 2);    // 857.14 -> 855.14
    EXPECT_DOUBLE_EQ(f.g.UnitHeight, 4500.0 / 7 - 13);  // 642.86 -> 629.86
}

}  // namespace
}  // namespace quilto
