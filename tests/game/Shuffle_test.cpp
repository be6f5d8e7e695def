#include "game/Shuffle.h"

#include <gtest/gtest.h>

#include <set>

#include "game/Exchange.h"
#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

struct Case {
    int columns, rows;  // a regular grid, or with columns == 0 a board laid on rows x rows units
    bool slide, irregular;
    int start;  // where an irregular walk starts on a grid; 0: where the layout leaves the empty slot
    int steps;
};

TEST(ShuffleTest, EveryKindReplaysBackHomeAndSlidesOnlyIntoTheEmptySlot) {
    const Case cases[] = {
        {7, 5, false, false, 0, 70}, {0, 12, false, true, 0, 118},  // free exchanges, twice the piece count
        {2, 2, true, false, 0, 10},  {3, 3, true, false, 0, 41},     {4, 4, true, false, 0, 111},
        {5, 5, true, false, 0, 237}, {10, 10, true, false, 0, 2511}, {4, 3, true, false, 0, 68},
        {1, 5, true, false, 0, 15},  {5, 1, true, false, 0, 15},     {1, 1, true, false, 0, 0},
        {2, 4, true, true, 1, 22},   {4, 5, true, true, 1, 89},      {5, 6, true, true, 1, 164},
        {0, 1, true, true, 0, 0},    {0, 9, true, true, 0, 181},     {0, 65, true, true, 0, 207417}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.columns << "x" << k.rows << (k.irregular ? " irregular" : ""));
        BoardFixture f(static_cast<std::uint64_t>(k.rows));
        k.columns ? f.MakeRegularBoard(k.columns, k.rows) : f.MakeIrregularBoard(k.rows);
        f.g.settings.fSlide = k.slide;
        f.g.settings.fIrregular = k.irregular;
        if (k.start) f.g.EmptySlot = static_cast<std::int16_t>(k.start);
        int e = k.slide && !k.irregular ? f.g.PieceCount : f.g.EmptySlot;
        ExchangeLog log;
        Shuffle(f.g, &log);
        EXPECT_EQ(log.size(), static_cast<std::size_t>(k.steps));
        std::set<int> visited{e};
        for (const auto& [p, from] : log) {
            if (!k.slide) break;
            TestAdjacent(f.g, p, e);
            ASSERT_EQ(std::tuple(from, f.g.fAdjacent), std::tuple(std::int16_t(e), true)) << p << " -> " << e;
            visited.insert(e = p);
        }
        EXPECT_EQ(f.g.EmptySlot, e);
        // A walk that kept to some of the neighbours would stay in a corner of the board.
        if (k.slide && k.steps >= 4 * f.g.PieceCount) {
            EXPECT_GE(2 * visited.size(), static_cast<std::size_t>(f.g.PieceCount));
        }
        // Pictures travel with their pieces; the empty slot shows none.
        for (int p = 1; p <= f.g.PieceCount; ++p) {
            const auto i = static_cast<std::size_t>(p);
            EXPECT_EQ(f.g.win.Image1[i].Picture,
                      k.slide && p == e ? kEmptyPicture : BoardFixture::PictureOf(f.g.PieceAt[i]));
        }
        for (auto it = log.rbegin(); it != log.rend(); ++it) SwapPieces(f.g, it->first, it->second);
        for (int p = 1; p <= f.g.PieceCount; ++p) ASSERT_EQ(f.g.PieceAt[static_cast<std::size_t>(p)], p);
    }
}

}  // namespace
}  // namespace quilto
