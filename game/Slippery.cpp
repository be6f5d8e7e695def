// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Slippery.h"

#include <span>
#include <utility>

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/KeyboardAids.h"
#include "game/Numbers.h"
#include "game/PointerPlay.h"
#include "game/SlipperyBar.h"

namespace quilto {
namespace {

// One pair to exchange, drawn from the candidates until the exchange would
// bring neither piece home; every such ordered pair (a position with itself
// included) is equally likely. The candidates must not be empty.
std::pair<int, int> DrawSlipperyPair(GameState& g, std::span<const std::int16_t> candidates) {
    // Drawing both positions over the whole board until both are misplaced
    // and neither piece would land at home gives each acceptable pair the
    // same chance; drawing among the misplaced positions with the same test
    // gives the same chances without the endless search on a nearly
    // finished board. A position drawn twice always passes, so this ends.
    const int m = static_cast<int>(candidates.size());
    for (;;) {
        const int p = candidates[static_cast<std::size_t>(g.rng.Position(m) - 1)];
        const int q = candidates[static_cast<std::size_t>(g.rng.Position(m) - 1)];
        if (g.PieceAt[static_cast<std::size_t>(p)] != q && g.PieceAt[static_cast<std::size_t>(q)] != p) return {p, q};
    }
}

}  // namespace

std::vector<std::int16_t> SlipperyCandidates(const GameState& g) {
    std::vector<std::int16_t> candidates = MisplacedPositions(g);
    // Whatever the settings file says, the empty slot never trades its
    // (absent) picture: EmptySlot would no longer tell where it is.
    if (g.settings.fSlide) std::erase(candidates, g.EmptySlot);
    return candidates;
}

void SlipperyMove(GameState& g) {
    const int exchanges = static_cast<int>(RoundHalfEven(g.PieceCount / 4.0));
    const std::vector<std::int16_t> candidates = SlipperyCandidates(g);
    if (candidates.empty()) return;
    for (int i = 0; i < exchanges; ++i) {
        const auto [p, q] = DrawSlipperyPair(g, candidates);
        SwapPieces(g, p, q);
    }
}

bool Timer1Runs(const GameState& g) {
    return g.fPlaying && !g.fWon && g.settings.fSlippery && !g.fKeyMoving && !g.fPeeking && g.BoxesOpen == 0;
}

void Timer1_Timer(GameState& g) {
    if (!g.settings.fSlippery) return;
    Box& bar = g.win.Label4.box;
    const float full = g.win.Label1.box.Width;
    bar.Width = GrowBar(bar.Width, full);
    if (bar.Width < full) return;

    bar.Width = 0;
    // A drag in progress ends; its trial exchange stays, and so does the drop
    // frame until the next release.
    g.win.Shape1.Visible = false;
    g.win.Shape3.Visible = false;
    EndDrag(g);
    CheckCompletion(g);
    if (!g.fPlaying) return;
    SlipperyMove(g);
}

}  // namespace quilto
