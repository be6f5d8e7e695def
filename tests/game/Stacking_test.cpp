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

// Where elements of equal rank overlap, the later in the window's order lies
// in front and takes the pointer: the caption over the pieces, and of two
// pieces the later one, until the other is brought to the front. A lower
// rank loses whatever the order; the finished picture over the board takes
// the pointer, and the drop frame over everything lets it through.
TEST(StackingTest, ThePointerGoesToTheElementPaintedInFront) {
    test::BoardFixture f;
    f.InitWindow();
    f.MakeRegularBoard(2, 1, 600);  // (120, 720) and (720, 1320)
    Window& w = f.g.win;
    w.Label3.box = w.Piece(2).box = {300, 120, 600, 600};
    w.Label3.Visible = w.Piece(1).Visible = w.Piece(2).Visible = true;
    w.Label3.Z = w.Piece(1).Z = w.Piece(2).Z = w.Image1[0].Z;  // where new pieces lie
    const auto at = [&](float x) { return TargetAt(f.g, x, 400); };
    const PointerTarget piece1{PointerTarget::Kind::Piece, 1}, piece2{PointerTarget::Kind::Piece, 2},
        other{PointerTarget::Kind::Other, 0};
    EXPECT_FIELDS((at(200), at(500), at(800), at(2000)), (piece1, other, other, other));  // the frame under all
    w.Label3.Z = w.Image1[0].Z - 1;
    EXPECT_FIELDS((at(200), at(500), at(800)), (piece1, piece2, piece2));
    w.BringToFront(w.Piece(1));
    EXPECT_FIELDS((at(200), at(500), at(800)), (piece1, piece1, piece2));
    w.Image2.box = w.Shape5.box = w.Label1.box;
    w.Image2.Visible = w.Shape5.Visible = true;
    w.BringToFront(w.Image2);
    w.BringToFront(w.Shape5);
    EXPECT_FIELDS((at(200), at(500), at(800)), (other, other, other));
}

}  // namespace
}  // namespace quilto
