// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Stacking.h"

#include <gtest/gtest.h>

#include "game/PointerRouting.h"
#include "support/BoardFixture.h"

namespace quilto {

void PrintTo(const PointerTarget& t, std::ostream* os) {
    static const char* const kinds[] = {"nothing", "piece", "other"};
    *os << kinds[static_cast<int>(t.kind)] << " " << t.index;
}

namespace {

// Pieces 1 and 3 of equal rank overlap by 100 units over the frame, piece
// 2 between them in the window's order brought to the front: of the two,
// the later in the window's order lies in front and takes the pointer, until
// the other is brought to the front; the finished picture over them takes it
// then, and the drop frame over everything lets it through.
TEST(StackingTest, ThePointerGoesToTheElementPaintedInFront) {
    test::BoardFixture f;
    GameState& g = f.g;
    f.InitWindow();
    f.MakeRegularBoard(3, 1);
    Window& w = g.win;
    w.Piece(3).box.Left = w.Piece(1).box.Left + 500;
    for (int p : {1, 2, 3}) w.Piece(p).Visible = true, w.Piece(p).Z = w.Image1[0].Z;
    w.BringToFront(w.Piece(2));
    const float x = w.Piece(3).box.Left + 50, y = 400;
    const auto at = [&] { return TargetAt(g, x, y); };
    const auto painted = [&](const Element& e) {  // its place in the painting order
        const auto order = StackingOrder(w);
        return std::ranges::find(order, &e, &StackedElement::element) - order.begin();
    };
    EXPECT_LT(painted(w.Label1), painted(w.Piece(1)));
    EXPECT_LT(painted(w.Piece(1)), painted(w.Piece(3)));
    EXPECT_EQ(at(), (PointerTarget{PointerTarget::Kind::Piece, 3}));
    w.BringToFront(w.Piece(1));
    EXPECT_GT(painted(w.Piece(1)), painted(w.Piece(3)));
    EXPECT_EQ(at(), (PointerTarget{PointerTarget::Kind::Piece, 1}));
    w.Image2.box = w.Label1.box, w.Image2.Visible = true;
    w.BringToFront(w.Image2);
    w.Shape5.box = w.Label1.box, w.Shape5.Visible = true;
    w.BringToFront(w.Shape5);
    EXPECT_EQ(at(), (PointerTarget{PointerTarget::Kind::Other, 0}));
}

}  // namespace
}  // namespace quilto
