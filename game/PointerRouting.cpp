// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PointerRouting.h"

#include "game/PointerPlay.h"
#include "game/Sliding.h"
#include "game/Stacking.h"

namespace quilto {
namespace {

bool Contains(const Box& b, float x, float y) {
    return b.Left <= x && x < b.Left + b.Width && b.Top <= y && y < b.Top + b.Height;
}

}  // namespace

PointerTarget TargetAt(const GameState& g, float x, float y) {
    const std::vector<StackedElement> order = StackingOrder(g.win);
    const StackedElement* front = FrontmostAt(order, x, y);
    if (!front) return {};
    if (front->piece != 0) return {PointerTarget::Kind::Piece, front->piece};
    return {PointerTarget::Kind::Other, 0};
}

int PointerRouter::CapturedPiece(const GameState& g) const {
    if (captured_.kind != PointerTarget::Kind::Piece || serial_ != g.BoardSerial) return 0;
    // A won puzzle lies under the finished picture: a button held since
    // before the win reaches its piece no more.
    if (g.fWon) return 0;
    return IsPiece(g, captured_.index) ? captured_.index : 0;
}

void PointerRouter::Press(GameState& g, int button, bool othersHeld, float x, float y) {
    if (!othersHeld) held_ = 0;
    if (held_ == 0) {
        captured_ = TargetAt(g, x, y);
        serial_ = g.BoardSerial;
        leftPressedHere_ = false;
    }
    held_ |= button;
    g.win.KeyFrame.Visible = false;  // until the next arrow key
    if (button == kLeftButton) leftPressedHere_ = true;
    if (const int piece = CapturedPiece(g)) Image1_MouseDown(g, piece, button);
}

void PointerRouter::Move(GameState& g, float x, float y) {
    if (held_ == 0) return;
    if (const int piece = CapturedPiece(g)) {
        const Box& b = g.win.Piece(piece).box;
        Image1_MouseMove(g, piece, x - b.Left, y - b.Top);
    }
}

void PointerRouter::Release(GameState& g, int button, float x, float y) {
    if ((held_ & button) == 0) return;  // its press went to another window
    held_ &= ~button;
    const int piece = CapturedPiece(g);
    if (piece == 0) return;
    Image1_MouseUp(g, piece);
    // A click is a left press and release on the same element.
    if (button != kLeftButton || !leftPressedHere_) return;
    leftPressedHere_ = false;
    const int still = CapturedPiece(g);
    if (still != 0 && Contains(g.win.Piece(still).box, x, y)) Image1_Click(g, still);
}

Cursor PointerRouter::CursorAt(const GameState& g, float x, float y) const {
    if (held_ != 0) {
        const int piece = CapturedPiece(g);
        return piece ? g.win.Piece(piece).Pointer : Cursor::Default;
    }
    const PointerTarget t = TargetAt(g, x, y);
    return t.kind == PointerTarget::Kind::Piece ? g.win.Piece(t.index).Pointer : Cursor::Default;
}

}  // namespace quilto
