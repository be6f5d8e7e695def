// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's elements as one list, back to front: the canvas paints
// it in this order and the pointer goes to the frontmost element of it that
// takes pointer events. Painting and hit-testing cannot disagree about what
// lies on top.
#include <vector>

#include "game/Elements.h"

namespace quilto {

// One element of the window, and its board position when it is a piece.
struct StackedElement {
    const Element* element = nullptr;
    int piece = 0;  // 1..PieceCount for a piece, 0 for any other element
};

// Every element the window can show, in the window's own order, which is
// the stacking the window opens with: the frame, the keyboard cursor, the pieces by position, the
// bar, the selection frame, the drop frame, the hint dot, the finished
// picture, the caption, the F7 marks. Templates, scratch pictures and
// outlines are never shown and are not in it.
std::vector<StackedElement> WindowElements(const Window& w);

// The same elements back to front: by rank (Element::Z); among elements of
// equal rank the later one in the window's own order lies in front.
std::vector<StackedElement> StackingOrder(const Window& w);

// The frontmost visible element at (x, y), window units, that takes pointer
// events; its box contains its left and top edges but not its right and
// bottom ones. Null when there is none.
const StackedElement* FrontmostAt(const std::vector<StackedElement>& order, float x, float y);

}  // namespace quilto
