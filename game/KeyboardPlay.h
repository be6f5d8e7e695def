// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Playing with the keys. In sliding mode an arrow moves into the empty slot
// the piece on the side the arrow comes from, as a click on it would. In the
// ordinary game the arrows move a keyboard cursor from piece to piece; Space
// or Enter picks up the piece under it as a left press starts a drag, moving
// the cursor makes the drag's trial exchange, Space or Enter again puts it
// down as a release, and Esc cancels as the right button does.
#include "game/GameState.h"

namespace quilto {

// Key codes as the window reports them.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Whether keyCode is one of the keys above.
bool IsPlayKey(int keyCode);

// A play key pressed; repeat is set on the presses a held key repeats. An
// arrow moves again on every repeat; Space, Enter and Esc act once per press.
// Nothing happens without a game in play or while the finished picture
// covers the board.
void PlayKeyDown(GameState& g, int keyCode, bool repeat);

enum class Direction { Left, Up, Right, Down };

// The board position next to `from` in direction d for the keyboard cursor:
// the nearest element lying that way (its near side past from's centre, its
// far side past from's far side) whose side overlaps from's across the
// direction of travel by more than a pixel (15 units); among equally near ones the one
// whose centre is nearest from's centre line, then the lowest position. 0
// when there is none.
int CursorNeighbour(const GameState& g, int from, Direction d);

// The board position an arrow in direction d moves into the empty slot: on
// a regular board the one beside it on the side the arrow comes from; on an
// irregular one, among the positions touching the empty slot's element on
// that side, the one whose centre lies nearest the empty slot's centre line
// (then the lowest). 0 when there is none.
int SlidingNeighbour(const GameState& g, Direction d);

// The position whose centre is nearest the centre of the board, the lowest
// among equally near ones; 0 without pieces.
int CentrePiece(const GameState& g);

}  // namespace quilto
