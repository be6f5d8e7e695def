#include "game/Shuffle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <vector>

#include "game/Exchange.h"
#include "game/Neighbours.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

// Pictures travel with their pieces (the empty slot shows none), and
// exchanging back along the log, last first, puts every piece home.
void CheckPicturesAndReplay(GameState& g, const ExchangeLog& log, int emptySlot) {
    for (int p = 1; p <= g.PieceCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        EXPECT_EQ(g.win.Image1[i].Picture, p == emptySlot ? kEmptyPicture : BoardFixture::PictureOf(g.PieceAt[i]));
    }
    for (auto it = log.rbegin(); it != log.rend(); ++it) SwapPieces(g, it->first, it->second);
    for (int p = 1; p <= g.PieceCount; ++p) ASSERT_EQ(g.PieceAt[static_cast<std::size_t>(p)], p);
}

TEST(ShuffleTest, FreeShuffleOnRegularAndIrregularBoards) {
    for (bool irregular : {false, true}) {
        BoardFixture f(5);
        irregular ? f.MakeIrregularBoard(12) : f.MakeRegularBoard(7, 5);
        f.g.EmptySlot = 3;
        ExchangeLog log;
        Shuffle(f.g, &log);
        EXPECT_EQ(log.size(), 2u * static_cast<std::size_t>(f.g.PieceCount));
        EXPECT_EQ(f.g.EmptySlot, 3);
        CheckPicturesAndReplay(f.g, log, 0);
    }
}

TEST(ShuffleTest, RegularSlidingWalkMakesOnlyLegalSlides) {
    const int boards[][3] = {{2, 2, 10}, {3, 3, 41}, {4, 4, 111}, {5, 5, 237}, {10, 10, 2511},
                             {4, 3, 68}, {1, 5, 15}, {5, 1, 15},  {1, 1, 0}};
    for (const auto& [columns, rows, steps] : boards) {
        SCOPED_TRACE(testing::Message() << columns << "x" << rows);
        BoardFixture f(11);
        f.MakeRegularBoard(columns, rows);
        f.g.settings.fSlide = true;
        ExchangeLog log;
        Shuffle(f.g, &log);
        ASSERT_EQ(log.size(), static_cast<std::size_t>(steps));
        int e = f.g.PieceCount;
        for (const auto& [target, from] : log) {
            ASSERT_EQ(from, e);
            const bool sameRow = (target - 1) / columns == (e - 1) / columns;
            ASSERT_TRUE((std::abs(target - e) == 1 && sameRow) || std::abs(target - e) == columns);
            ASSERT_TRUE(target >= 1 && target <= f.g.PieceCount);
            e = target;
        }
        EXPECT_EQ(f.g.EmptySlot, e);
        EXPECT_EQ(f.g.PieceAt[static_cast<std::size_t>(e)], f.g.PieceCount);
        CheckPicturesAndReplay(f.g, log, e);
    }
}

TEST(ShuffleTest, IrregularSlidingWalkMakesOnlyLegalSlides) {
    // Laid boards from 1 unit up, and grids of 8, 20 and 30 positions whose
    // step counts are known (22, 89, 164).
    std::deque<BoardFixture> boards;
    for (int n = 1; n <= 14; ++n) boards.emplace_back(static_cast<std::uint64_t>(n)).MakeIrregularBoard(n);
    for (auto [c, r] : {std::pair{2, 4}, {4, 5}, {5, 6}}) {
        boards.emplace_back().MakeRegularBoard(c, r);
        boards.back().g.EmptySlot = 1;
    }
    const std::map<int, std::size_t> knownSteps = {{1, 0}, {8, 22}, {20, 89}, {30, 164}};
    for (BoardFixture& f : boards) {
        SCOPED_TRACE(testing::Message() << f.g.PieceCount << " pieces");
        const int start = f.g.EmptySlot;
        f.g.settings.fSlide = f.g.settings.fIrregular = true;
        ExchangeLog log;
        Shuffle(f.g, &log);
        EXPECT_EQ(log.size(), static_cast<std::size_t>(std::pow(f.g.PieceCount, 1.5)) * (f.g.PieceCount > 1));
        if (knownSteps.count(f.g.PieceCount)) {
            EXPECT_EQ(log.size(), knownSteps.at(f.g.PieceCount));
        }
        int e = start;
        for (const auto& [p, from] : log) {
            ASSERT_EQ(from, e);
            TestAdjacent(f.g, p, e);
            ASSERT_TRUE(f.g.fAdjacent) << p << " -> " << e;
            e = p;
        }
        EXPECT_EQ(f.g.EmptySlot, e);
        EXPECT_EQ(f.g.PieceAt[static_cast<std::size_t>(e)], start);
        CheckPicturesAndReplay(f.g, log, e);
    }
}

TEST(ShuffleTest, IrregularSlidingStepsAreUniformAmongNeighbours) {
    // From the middle of a 3 x 3 grid the first slide brings in each of the
    // four touching pieces about equally often.
    std::map<int, int> first;
    const int runs = 2000;
    for (int seed = 1; seed <= runs; ++seed) {
        BoardFixture f(static_cast<std::uint64_t>(seed));
        f.MakeRegularBoard(3, 3);
        f.g.EmptySlot = 5;
        f.g.settings.fSlide = f.g.settings.fIrregular = true;
        ExchangeLog log;
        Shuffle(f.g, &log);
        ++first[log.front().first];
    }
    EXPECT_EQ(first.size(), 4u);
    for (int p : {2, 4, 6, 8}) EXPECT_NEAR(first[p], runs / 4, runs / 20) << p;
}

TEST(NeighbourTableTest, AgreesWithThePairwiseTest) {
    std::deque<BoardFixture> boards;
    for (int n : {3, 8, 13, 25}) boards.emplace_back(static_cast<std::uint64_t>(n)).MakeIrregularBoard(n);
    // Boxes that leave a gap, lie inside another, or shrink to a point.
    BoardFixture& odd = boards.emplace_back();
    odd.MakeRegularBoard(4, 1);
    odd.g.UnitWidth = 40;
    odd.g.win.Image1[1].box = {0, 0, 100, 100};
    odd.g.win.Image1[2].box = {119, 50, 100, 100};
    odd.g.win.Image1[3].box = {80, 10, 10, 10};
    odd.g.win.Image1[4].box = {100, 100, 0, 0};
    for (const BoardFixture& f : boards) {
        const auto& image1 = f.g.win.Image1;
        NeighbourTable table;
        table.Build(image1, f.g.PieceCount, f.g.UnitWidth / 2);
        for (std::size_t a = 1; a < image1.size(); ++a) {
            std::vector<std::int16_t> want;
            for (std::size_t b = 1; b < image1.size(); ++b)
                if (Adjacent(image1[a].box, image1[b].box, f.g.UnitWidth / 2))
                    want.push_back(static_cast<std::int16_t>(b));
            const auto got = table.Of(static_cast<int>(a));
            ASSERT_EQ(std::vector<std::int16_t>(got.begin(), got.end()), want) << "position " << a;
        }
    }
}

}  // namespace
}  // namespace quilto
