#include "game/Layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

// A laid piece in units: top-left unit (c, r), w x h units.
struct Piece {
    int c, r, w, h;
};
enum Kind { Tall, Strip, Square, Domino, Single };

Kind KindOf(const Piece& p) {
    const int kind = p.w * 10 + p.h;
    return kind == 23 ? Tall : kind == 31 ? Strip : kind == 22 ? Square : kind == 12 || kind == 21 ? Domino : Single;
}

// The outlines as unit rectangles; each must sit exactly where the unit
// arithmetic in double precision puts it.
std::vector<Piece> PiecesOf(const GameState& g) {
    std::vector<Piece> pieces;
    const Box& f = g.win.Label1.box;
    for (const Box& s : g.win.Shape4) {
        const Piece p{static_cast<int>(std::lround((s.Left - f.Left) / g.UnitWidth)) + 1,
                      static_cast<int>(std::lround((s.Top - f.Top) / g.UnitHeight)) + 1,
                      static_cast<int>(std::lround(s.Width / g.UnitWidth)),
                      static_cast<int>(std::lround(s.Height / g.UnitHeight))};
        const Box exact{static_cast<float>(f.Left + (p.c - 1) * g.UnitWidth),
                        static_cast<float>(f.Top + (p.r - 1) * g.UnitHeight), static_cast<float>(p.w * g.UnitWidth),
                        static_cast<float>(p.h * g.UnitHeight)};
        EXPECT_EQ(s, exact);
        pieces.push_back(p);
    }
    return pieces;
}

// Checks the tiling, the order of laying and EmptySlot; returns whether a
// big piece covers the bottom-right unit.
bool CheckLayout(const GameState& g, int n) {
    EXPECT_EQ(g.LaidCount, g.PieceCount);
    EXPECT_EQ(g.win.Shape4.size(), static_cast<std::size_t>(g.PieceCount));
    const std::vector<Piece> pieces = PiecesOf(g);
    std::vector<int> owner(static_cast<std::size_t>((n + 2) * (n + 2)), 0);
    auto at = [&](int c, int r) -> int& { return owner[static_cast<std::size_t>(c * (n + 2) + r)]; };
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        if (p.c < 1 || p.r < 1 || p.c + p.w - 1 > n || p.r + p.h - 1 > n) {
            ADD_FAILURE() << "piece " << i + 1 << " leaves the board";
            return false;
        }
        for (int c = p.c; c < p.c + p.w; ++c)
            for (int r = p.r; r < p.r + p.h; ++r) EXPECT_EQ(std::exchange(at(c, r), i + 1), 0) << c << "," << r;
        if (i == 0) continue;
        const Piece& q = pieces[static_cast<std::size_t>(i - 1)];
        EXPECT_GE(KindOf(p), KindOf(q)) << "piece " << i + 1 << " out of order";
        if (KindOf(p) == Single && KindOf(q) == Single) {
            EXPECT_LT(q.c * 100 + q.r, p.c * 100 + p.r);
        }
    }
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) EXPECT_NE(at(c, r), 0) << c << "," << r;
    // A domino lies only where the unit below was off the board or taken.
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        if (KindOf(p) == Domino && p.w == 2) {
            EXPECT_TRUE(p.r == n || at(p.c, p.r + 1) <= i) << "domino " << i + 1;
        }
    }
    EXPECT_EQ(g.EmptySlot, at(n, n));
    return KindOf(pieces[static_cast<std::size_t>(at(n, n) - 1)]) != Single;
}

TEST(LayoutTest, TilesTheBoardForEverySide) {
    // The fake clock stands still: an attempt that could not end without it
    // would hang here.
    bool bigOnCorner = false, singleOnCorner = false;
    for (int n = 1; n <= kMaxSide; ++n)
        for (int seed = 1; seed <= (n <= 13 ? 60 : 4); ++seed) {
            SCOPED_TRACE(testing::Message() << "N=" << n << " seed=" << seed);
            BoardFixture f(static_cast<std::uint64_t>(seed * 7919 + n));
            f.g.settings.Rows = static_cast<std::int16_t>(n);
            BuildMixedLayout(f.g);
            (CheckLayout(f.g, n) ? bigOnCorner : singleOnCorner) = true;
            if (testing::Test::HasFailure()) return;
        }
    EXPECT_TRUE(bigOnCorner);
    EXPECT_TRUE(singleOnCorner);
}

TEST(LayoutTest, CountsOfEachKind) {
    const int table[][6] = {
        // N, tall, strips, squares, dominoes, PieceCount
        {1, 0, 0, 0, 0, 1},        {2, 0, 0, 0, 0, 4},         {3, 0, 0, 0, 2, 7},
        {4, 0, 0, 0, 4, 12},       {5, 0, 1, 1, 6, 14},        {7, 0, 3, 3, 10, 24},
        {8, 1, 4, 4, 12, 27},      {10, 3, 6, 6, 16, 39},      {20, 13, 16, 16, 36, 219},
        {50, 43, 46, 46, 96, 1959}, {65, 58, 61, 61, 126, 3504}, {9, 2, 5, 5, 14, 32},
    };
    BoardFixture f;  // one state throughout: Shape4 grows and shrinks with the count
    for (const auto& row : table) {
        f.g.settings.Rows = static_cast<std::int16_t>(row[0]);
        BuildMixedLayout(f.g);
        ASSERT_EQ(f.g.PieceCount, row[5]) << "N=" << row[0];
        ASSERT_EQ(f.g.win.Shape4.size(), static_cast<std::size_t>(row[5]));
        int counts[5] = {};
        for (const Piece& p : PiecesOf(f.g)) ++counts[KindOf(p)];
        for (int k = Tall; k <= Domino; ++k) EXPECT_EQ(counts[k], row[k + 1]) << "N=" << row[0] << " kind " << k;
    }
}

TEST(LayoutTest, UnitSizeFallsOnWholePixelsAndTheFrameIsRestored) {
    BoardFixture f(3, 6000, 4500);
    f.g.win.Label1.box.Width = 3000;  // shrunk by an earlier board
    f.g.win.Label1.box.Height = 2000;
    f.g.settings.Rows = 7;
    BuildMixedLayout(f.g);
    EXPECT_EQ(f.g.win.Label1.box, (Box{120, 120, 6000, 4500}));
    EXPECT_DOUBLE_EQ(f.g.UnitWidth, 6000.0 / 7 - 2);    // 857.14 -> 855.14
    EXPECT_DOUBLE_EQ(f.g.UnitHeight, 4500.0 / 7 - 13);  // 642.86 -> 629.86
}

TEST(LayoutTest, RefusesSidesOutsideTheLimits) {
    for (int n : {0, -1, kMaxSide + 1}) {
        BoardFixture f;
        f.g.settings.Rows = static_cast<std::int16_t>(n);
        EXPECT_THROW(BuildMixedLayout(f.g), std::out_of_range) << n;
        EXPECT_EQ(f.g.PieceCount, 0);
    }
}

// A clock that jumps two seconds at one chosen reading.
struct JumpingClock : test::FakePlatform {
    int readings = 0, jumpAt = 0;
    double Now() override { return ++readings == jumpAt ? now += 2.0 : now; }
};

TEST(LayoutTest, AnAttemptOverItsTimeStartsAfresh) {
    // Reading 1 starts the attempt, 2 comes before the first draw of a column
    // and a row, 3 before the second: the jump ends the attempt after two
    // random numbers, and the next one must lay what a first attempt lays
    // after those two numbers.
    auto layout = [](Platform& clock, int skip) {
        GameState g(clock);
        g.rng.Seed(42);
        for (int i = 0; i < skip; ++i) g.rng.Next();
        g.BoardWidth = g.BoardHeight = 6000;
        g.settings.Rows = 10;
        BuildMixedLayout(g);
        return std::make_pair(g.win.Shape4, g.EmptySlot);
    };
    JumpingClock jumping;
    jumping.jumpAt = 3;
    test::FakePlatform steady;
    const auto afterJump = layout(jumping, 0);
    EXPECT_GT(jumping.readings, 3);
    EXPECT_EQ(afterJump, layout(steady, 2));
}

}  // namespace
}  // namespace quilto
