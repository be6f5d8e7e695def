#include "game/PointerRouting.h"

#include "game/PointerPlay.h"
#include "game/Sliding.h"

namespace quilto {
namespace {

bool Contains(const Box& b, float x, float y) {
    return b.Left <= x && x < b.Left + b.Width && b.Top <= y && y < b.Top + b.Height;
}

bool TakesPointer(const Element& e) {
    return e.Kind == ElementKind::Image || e.Kind == ElementKind::FilledRect || e.Kind == ElementKind::Text;
}

}  // namespace

PointerTarget TargetAt(const GameState& g, float x, float y) {
    const Window& w = g.win;
    PointerTarget best;
    const Element* top = nullptr;
    // Elements of equal rank are stacked in the order they are looked at
    // here, which is the order the board canvas paints them in.
    auto consider = [&](const Element& e, PointerTarget t) {
        if (!e.Visible || !TakesPointer(e) || !Contains(e.box, x, y)) return;
        if (top && e.Z < top->Z) return;
        top = &e;
        best = t;
    };
    for (const Element* e : {&w.Label1, &w.Image2, &w.Label3, &w.Label4}) consider(*e, {PointerTarget::Kind::Other, 0});
    for (std::size_t i = 1; i < w.Image1.size(); ++i)
        consider(w.Image1[i], {PointerTarget::Kind::Piece, static_cast<int>(i)});
    return best;
}

int PointerRouter::CapturedPiece(const GameState& g) const {
    if (captured_.kind != PointerTarget::Kind::Piece || serial_ != g.BoardSerial) return 0;
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
    if (button == kLeftButton) leftPressedHere_ = true;
    if (const int piece = CapturedPiece(g)) {
        const Box& b = g.win.Piece(piece).box;
        Image1_MouseDown(g, piece, button, x - b.Left, y - b.Top);
    }
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
    Image1_MouseUp(g, piece, button);
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
    return t.kind == PointerTarget::Kind::Piece ? g.win.Piece(t.index).Pointer
                                                : Cursor::Default;
}

}  // namespace quilto
