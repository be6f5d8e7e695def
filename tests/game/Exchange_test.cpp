#include "game/Exchange.h"

#include <gtest/gtest.h>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

TEST(SwapPiecesTest, ExchangesPicturesAndPiecesAndUndoesItself) {
    BoardFixture f;
    f.MakeRegularBoard(3, 3);
    GameState& g = f.g;
    SwapPieces(g, 2, 7);
    EXPECT_EQ(g.win.Image1[2].Picture, BoardFixture::PictureOf(7));
    EXPECT_EQ(g.win.Image1[7].Picture, BoardFixture::PictureOf(2));
    EXPECT_EQ(g.PieceAt[2], 7);
    EXPECT_EQ(g.PieceAt[7], 2);

    SwapPieces(g, 2, 7);
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(g.PieceAt[static_cast<std::size_t>(p)], p);
        EXPECT_EQ(g.win.Image1[static_cast<std::size_t>(p)].Picture, BoardFixture::PictureOf(p));
    }

    g.win.Puente.Picture = 99;
    SwapPieces(g, 4, 4);
    EXPECT_EQ(g.PieceAt[4], 4);
    EXPECT_EQ(g.win.Image1[4].Picture, BoardFixture::PictureOf(4));
    EXPECT_EQ(g.win.Puente.Picture, 99);
}

struct Case {
    const char* what;
    Box b;  // against a = {0, 0, 100, 100}
    double unitWidth;
    bool adjacent;
};

TEST(AdjacentTest, HandBuiltGeometriesInBothOrders) {
    const Box a{0, 0, 100, 100};
    const Case cases[] = {
        {"shared right edge", {100, 0, 100, 100}, 100, true},
        {"shared bottom edge", {0, 100, 100, 100}, 100, true},
        {"shorter piece along the edge", {100, 40, 30, 20}, 100, true},
        {"5 units along a vertical edge", {100, 95, 100, 100}, 100, false},
        {"6 units along a vertical edge", {100, 94, 100, 100}, 100, true},
        {"5 units along a horizontal edge", {95, 100, 100, 100}, 100, false},
        {"6 units along a horizontal edge", {-94, 100, 100, 100}, 100, true},
        {"corner only", {100, 100, 100, 100}, 100, false},
        {"corner only, above left", {-100, -100, 100, 100}, 100, false},
        {"gap just under half a unit", {149, 0, 100, 100}, 100, true},
        {"gap of exactly half a unit", {150, 0, 100, 100}, 100, false},
        {"gap under a fractional half unit", {0, 149, 100, 100}, 99, true},  // 49 < 49.5
        {"gap over a fractional half unit", {0, 150, 100, 100}, 99, false},
        {"far apart", {400, 0, 100, 100}, 100, false},
    };
    BoardFixture f;
    f.MakeRegularBoard(2, 1);
    f.g.win.Image1[1].box = a;
    for (const Case& c : cases) {
        EXPECT_EQ(Adjacent(a, c.b, c.unitWidth / 2), c.adjacent) << c.what;
        f.g.UnitWidth = c.unitWidth;
        f.g.win.Image1[2].box = c.b;
        f.g.fAdjacent = !c.adjacent;
        TestAdjacent(f.g, 2, 1);
        EXPECT_EQ(f.g.fAdjacent, c.adjacent) << c.what << " (reversed)";
    }
}

TEST(AdjacentTest, EachSideIsRoundedBeforeTheEdgesAreAdded) {
    // Left 0.5 and width 100.5 round (halves to even) to 0 and 100, so the
    // right edge is 100 and a piece at 150 is half a unit away: not adjacent.
    // Rounding left + width, or rounding halves up, would bring it closer.
    const Box a{0.5f, 0, 100.5f, 100};
    EXPECT_FALSE(Adjacent(a, Box{150, 0, 100, 100}, 50));
    EXPECT_TRUE(Adjacent(a, Box{149, 0, 100, 100}, 50));
}

}  // namespace
}  // namespace quilto
