// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Exchange.h"

#include <gtest/gtest.h>

#include "support/BoardFixture.h"

namespace quilto {
namespace {

using test::BoardFixture;

TEST(AdjacentTest, HandBuiltGeometriesInBothOrders) {
    // Against {0, 0, 100, 100}; the tolerance across an edge is half of unitWidth.
    const struct {
        Box b;
        double unitWidth;
        bool adjacent;
    } cases[] = {
        {{100, 0, 100, 100}, 100, true},        {{0, 100, 100, 100}, 100, true},       // shared edges
        {{100, 40, 30, 20}, 100, true},         {{400, 0, 100, 100}, 100, false},      // shorter along the edge; far
        {{100, 95, 100, 100}, 100, false},      {{95, 100, 100, 100}, 100, false},     // 5 units along
        {{100, 94, 100, 100}, 100, true},       {{-94, 100, 100, 100}, 100, true},     // 6 units along
        {{100, 100, 100, 100}, 100, false},     {{-100, -100, 100, 100}, 100, false},  // corners
        {{149, 0, 100, 100}, 100, true},        {{150, 0, 100, 100}, 100, false},      // gap 49 / 50 of 50
        {{0, 149, 100, 100}, 99, true},         {{0, 150, 100, 100}, 99, false},       // gap 49 / 50 of 49.5
        {{-149.5f, 0, 100.5f, 100}, 100, false}};  // each side rounded, halves to even: a gap of 50
    BoardFixture f;
    f.MakeRegularBoard(2, 1);
    f.g.win.Image1[1].box = {0, 0, 100, 100};
    for (const auto& c : cases)
        for (int a : {1, 2}) {
            f.g.UnitWidth = c.unitWidth;
            f.g.win.Image1[2].box = c.b;
            f.g.fAdjacent = !c.adjacent;
            TestAdjacent(f.g, a, 3 - a);
            EXPECT_EQ(f.g.fAdjacent, c.adjacent) << c.b.Left << "," << c.b.Top << " from " << a;
        }
}

}  // namespace
}  // namespace quilto
