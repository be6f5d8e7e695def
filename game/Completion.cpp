// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Completion.h"

#include "game/Boxes.h"

namespace quilto {
namespace {

// Whether every piece of a board with at least one piece is at home.
bool BoardSolved(const GameState& g) {
    const int n = g.PieceCount;
    // A build that failed leaves no pieces: zero at home out of zero is no win.
    if (n < 1 || g.PieceAt.size() <= static_cast<std::size_t>(n)) return false;
    for (int p = 1; p <= n; ++p)
        if (g.PieceAt[static_cast<std::size_t>(p)] != p) return false;
    return true;
}

}  // namespace

void CheckCompletion(GameState& g) {
    if (g.fWon || !BoardSolved(g)) return;
    g.fWon = true;  // the slippery pieces stop (Timer1Runs)
    g.win.BringToFront(g.win.Image2);
    g.win.Image2.Visible = true;
    g.PlayCue(Sound::Acaba);
    g.win.Label4.Visible = false;
    // The game is over only once the player has closed the message.
    ShowMessage(g, "Lo has logrado!", MsgIcon::Information);
    g.fPlaying = false;
}

}  // namespace quilto
