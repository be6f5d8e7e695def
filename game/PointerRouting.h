// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window as a set of separate elements: a press goes to the frontmost
// visible element under the pointer that takes pointer events (images and
// labels; the frames, the dot and the marks let the pointer through), in the
// stacking order the canvas paints (game/Stacking.h), and that element keeps
// every pointer event until the last button is let go.
// Only the piece elements have handlers; the click of a piece follows the
// release of the left button over it.
#include <cstdint>

#include "game/GameState.h"

namespace quilto {

// What lies under the pointer: a piece (board position), another element
// that takes the pointer (the frame, the finished picture, a label), or
// nothing.
struct PointerTarget {
    enum class Kind { Nothing, Piece, Other };
    Kind kind = Kind::Nothing;
    int index = 0;  // the board position of a piece
    friend bool operator==(const PointerTarget&, const PointerTarget&) = default;
};

// The element that takes a press at (x, y), window units on the window.
PointerTarget TargetAt(const GameState& g, float x, float y);

class PointerRouter {
public:
    // button is one of kLeftButton, kRightButton, kMiddleButton.
    // othersHeld tells whether any other button is down at this press, as
    // the window sees it, so that a release lost to a modal box cannot leave
    // the router believing a button is still held.
    void Press(GameState& g, int button, bool othersHeld, float x, float y);
    void Move(GameState& g, float x, float y);
    void Release(GameState& g, int button, float x, float y);

    // The pointer the window shows: the captured element's, else the one of
    // the element under the pointer.
    Cursor CursorAt(const GameState& g, float x, float y) const;

private:
    // The captured piece, if it still belongs to the board in play.
    int CapturedPiece(const GameState& g) const;

    PointerTarget captured_;
    std::uint32_t serial_ = 0;  // the board the captured element belonged to
    int held_ = 0;              // buttons down, as a set of bits
    bool leftPressedHere_ = false;
};

}  // namespace quilto
