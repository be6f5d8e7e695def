// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/KeyboardAids.h"

#include <algorithm>

namespace quilto {
namespace {

void FlipBorders(GameState& g) {
    g.fBorders = !g.fBorders;
    for (std::size_t p = 1; p < g.win.Image1.size(); ++p) g.win.Image1[p].Border = g.fBorders;
}

// One mark over every misplaced piece, taken once: pieces that move while
// the key is held keep their old marks until it is released. The slippery
// pieces stand still meanwhile (Timer1Runs).
void MarkMisplaced(GameState& g) {
    if (g.fKeyMoving) return;  // the key repeats while held
    g.fKeyMoving = true;
    auto& marks = g.win.Shape2;
    for (const int p : MisplacedPositions(g)) {
        Element mark = Window::NewFromTemplate(marks[0]);
        mark.box = g.win.Piece(p).box;
        marks.push_back(mark);
    }
    for (std::size_t i = 1; i < marks.size(); ++i) {
        marks[i].Visible = true;
        g.win.BringToFront(marks[i]);
    }
    g.PlayCue(Sound::Cambia);
}

// The finished picture over the board; the slippery pieces stand still
// meanwhile (Timer1Runs).
void Peek(GameState& g) {
    if (g.win.Image2.Visible) return;
    g.win.Image2.Visible = true;
    g.win.BringToFront(g.win.Image2);
    g.fPeeking = true;
    g.PlayCue(Sound::Cambia);
}

// The marks go, whether or not their press reached a game.
void UnmarkMisplaced(GameState& g) {
    g.fKeyMoving = false;
    g.win.Shape2.resize(1);
}

// The finished picture goes away again, unless the puzzle was won while it
// was shown: then it stays over the board like after any win.
void EndPeek(GameState& g) {
    if (!g.fPeeking) return;
    g.fPeeking = false;
    if (!g.fWon) g.win.Image2.Visible = false;
}

}  // namespace

std::vector<std::int16_t> MisplacedPositions(const GameState& g) {
    std::vector<std::int16_t> out;
    const int n = std::min<int>(g.PieceCount, static_cast<int>(g.PieceAt.size()) - 1);
    for (int p = 1; p <= n; ++p)
        if (g.PieceAt[static_cast<std::size_t>(p)] != p) out.push_back(static_cast<std::int16_t>(p));
    return out;
}

void ShowHint(GameState& g) {
    if (g.settings.fSlide || !g.fPictureLoaded || g.win.Image2.Visible || !g.fPlaying) return;
    // Drawing positions until a misplaced one comes up picks each misplaced
    // position with equal chance; drawing among them directly does the same
    // without a long search on a nearly finished board.
    const std::vector<std::int16_t> misplaced = MisplacedPositions(g);
    if (misplaced.empty()) return;
    const int r = misplaced[static_cast<std::size_t>(g.rng.Position(static_cast<int>(misplaced.size())) - 1)];
    const int home = g.PieceAt[static_cast<std::size_t>(r)];
    if (static_cast<std::size_t>(home) >= g.win.Image1.size()) return;

    Element& frame = g.win.Shape1;
    frame.box = g.win.Piece(r).box;
    frame.Kind = ElementKind::HintFrame;
    g.win.BringToFront(frame);
    frame.Visible = true;

    Element& dot = g.win.Shape3;
    const Box& target = g.win.Piece(home).box;
    dot.box.Left = target.Left + (target.Width - dot.box.Width) / 2;
    dot.box.Top = target.Top + (target.Height - dot.box.Height) / 2;
    g.win.BringToFront(dot);
    dot.Visible = true;
}

void Form_KeyDown(GameState& g, int keyCode) {
    if (!g.fPlaying) return;
    switch (keyCode) {
        case kKeyF5:
            FlipBorders(g);
            break;
        case kKeyF6:
            ShowHint(g);
            break;
        case kKeyF7:
            MarkMisplaced(g);
            break;
        case kKeyF8:
            Peek(g);
            break;
        default:
            break;
    }
}

void Form_KeyUp(GameState& g, int keyCode) {
    if (keyCode == kKeyF7) UnmarkMisplaced(g);
    if (keyCode == kKeyF8) EndPeek(g);
}

}  // namespace quilto
