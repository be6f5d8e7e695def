// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dragging one piece onto another with the left button. The exchange is
// shown live: each piece the pointer reaches trades pictures with the
// grabbed one, and the previous trial is undone. A release keeps the last
// trial; another button cancels it.
#include "game/GameState.h"

namespace quilto {

// Mouse buttons as the pointer events number them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Pointer events of the piece element at board position index. x and y are
// the pointer's place relative to that element's top-left corner, in window
// units; while a button is held they go on coming to the element pressed,
// wherever the pointer is.
void Image1_MouseDown(GameState& g, int index, int button);  // a press: grabs, or cancels a drag
void Image1_MouseMove(GameState& g, int index, float x, float y);  // a move: the drag's trial exchange
void Image1_MouseUp(GameState& g, int index);  // a release of any button: the end of a drag, the check

// The drag's trial exchange with board position slot: the previous trial is
// undone, the grabbed picture and slot's trade places, the drop frame goes
// to slot. Nothing without a drag or when slot is already the one traded with.
void TrialExchange(GameState& g, int slot);

// Ends the drag in progress, if any, where it stands: the trial exchange in
// place stays and every piece shows the default pointer again. The frames
// are left to the caller. The release, another button, a slippery move, a
// new puzzle and a box that opens all end a drag this way, a drag picked up
// with the keyboard included.
void EndDrag(GameState& g);

// The first board position, in index order, whose element strictly contains
// the point (x, y) in window units: a point on an edge is in neither
// element. 0 when no element contains it.
int SlotAtPoint(const GameState& g, std::int32_t x, std::int32_t y);

// A board position that has an element on the current board.
bool IsPiece(const GameState& g, int index);

}  // namespace quilto
