// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PointerPlay.h"

#include <cmath>
#include <limits>

#include "game/Completion.h"
#include "game/Exchange.h"

namespace quilto {
namespace {

// The pointer's place on the window as a whole window unit, halves to the
// even neighbour. A pointer far outside the window saturates rather than
// wrapping around.
std::int32_t PointerUnit(float v) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
    const double r = std::nearbyint(static_cast<double>(v));
    if (std::isnan(r)) return lo;
    return static_cast<std::int32_t>(r < lo ? lo : r > hi ? hi : r);
}

void Frame(Element& frame, const Element& piece) {
    frame.box = piece.box;
    frame.Visible = true;
}

}  // namespace

bool IsPiece(const GameState& g, int index) {
    return index >= 1 && index <= g.PieceCount && static_cast<std::size_t>(index) < g.win.Image1.size();
}

int SlotAtPoint(const GameState& g, std::int32_t x, std::int32_t y) {
    const auto& pieces = g.win.Image1;
    const int last = static_cast<int>(pieces.size()) - 1;
    const double px = x, py = y;
    for (int i = 1; i <= last; ++i) {
        const Box& b = pieces[static_cast<std::size_t>(i)].box;
        if (b.Left < px && px < b.Left + b.Width && b.Top < py && py < b.Top + b.Height) return i;
    }
    return 0;
}

void EndDrag(GameState& g) {
    // Only a drag gives a piece another pointer than the default.
    if (g.fDragging)
        for (std::size_t p = 1; p < g.win.Image1.size(); ++p) g.win.Image1[p].Pointer = Cursor::Default;
    g.DragSlot = 0;
    g.fDragging = false;
    g.fKeyCarrying = false;
}

void Image1_MouseDown(GameState& g, int index, int button) {
    if (!IsPiece(g, index)) return;
    g.win.Shape1.Visible = false;
    if (g.settings.fSlide) return;  // sliding boards move by clicks

    if (button == kLeftButton) {
        EndDrag(g);  // one whose release never came
        g.fDragging = true;
        g.DragSlot = static_cast<std::int16_t>(index);
        g.win.Piece(index).Pointer = Cursor::DragOverPiece;
        g.DropSlot = 0;
        g.win.Shape1.Kind = ElementKind::SelectionFrame;
        Frame(g.win.Shape1, g.win.Piece(index));
    } else if (g.fDragging) {
        // Another button cancels the drag: the trial exchange is undone. The
        // drop frame stays until a button is released.
        if (g.DropSlot != 0) SwapPieces(g, g.DropSlot, g.DragSlot);
        EndDrag(g);
        CheckCompletion(g);
    }
}

void Image1_MouseMove(GameState& g, int index, float x, float y) {
    if (!g.fDragging || !IsPiece(g, index) || !IsPiece(g, g.DragSlot)) return;
    Element& grabbed = g.win.Piece(index);
    // The element's place and the pointer's offset add up in single precision.
    const int slot = SlotAtPoint(g, PointerUnit(grabbed.box.Left + x), PointerUnit(grabbed.box.Top + y));
    if (slot == 0) {
        grabbed.Pointer = Cursor::DragOverNothing;  // the trial in place stays
        return;
    }
    grabbed.Pointer = Cursor::DragOverPiece;
    TrialExchange(g, slot);
}

void TrialExchange(GameState& g, int slot) {
    if (!g.fDragging || !IsPiece(g, slot) || !IsPiece(g, g.DragSlot) || slot == g.DropSlot) return;
    if (g.DropSlot != 0) SwapPieces(g, g.DropSlot, g.DragSlot);
    SwapPieces(g, slot, g.DragSlot);
    g.DropSlot = static_cast<std::int16_t>(slot);
    Frame(g.win.Shape5, g.win.Piece(slot));
}

void Image1_MouseUp(GameState& g, int index) {
    if (!IsPiece(g, index)) return;
    g.PlayCue(Sound::Marca);
    EndDrag(g);
    CheckCompletion(g);
    g.win.Shape1.Visible = false;
    g.win.Shape5.Visible = false;
    g.win.Shape3.Visible = false;
}

}  // namespace quilto
