// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Sliding.h"

#include "game/Completion.h"
#include "game/Exchange.h"
#include "game/PointerPlay.h"

namespace quilto {
namespace {

struct Run {
    int last;  // the run ends here, inclusive
    int step;  // from one position to the next
};

// The empty slot's position along a run from k, or 0.
int FindEmptyAlong(const GameState& g, int k, Run run) {
    const int emptyPiece = g.PieceCount;
    for (int p = k; run.step > 0 ? p <= run.last : p >= run.last; p += run.step)
        if (g.PieceAt[static_cast<std::size_t>(p)] == emptyPiece) return p;
    return 0;
}

void SlideIrregular(GameState& g, int index) {
    TestAdjacent(g, index, g.EmptySlot);
    if (!g.fAdjacent) {
        g.PlayCue(Sound::NoMueve);
        return;
    }
    SwapPieces(g, index, g.EmptySlot);
    g.EmptySlot = static_cast<std::int16_t>(index);
    g.PlayCue(Sound::Desplaza);
    CheckCompletion(g);
}

// Slides the run of pieces between position k and the empty slot in k's
// row or column one step toward the empty slot, so that k becomes empty.
// Plays its own cue; the caller runs the completion check.
void SlideLine(GameState& g, int k) {
    const int columns = g.settings.Columns;
    const int count = g.PieceCount;
    if (columns < 1 || k < 1 || k > count) return;
    const int column = (k - 1) % columns;
    // Up the column, down the column, right along the row, left along it.
    const Run runs[] = {{1, -columns},
                        {count, columns},
                        {std::min(count, k + columns - column - 1), 1},
                        {k - column, -1}};
    for (const Run& run : runs) {
        const int e = FindEmptyAlong(g, k, run);
        if (e == 0) continue;
        // The empty slot walks back to k, each piece of the run moving one
        // step into the place it leaves.
        for (int j = e - run.step; run.step > 0 ? j >= k : j <= k; j -= run.step) {
            SwapPieces(g, j, j + run.step);
            g.EmptySlot = static_cast<std::int16_t>(j);
        }
        g.PlayCue(Sound::Desplaza);
        return;
    }
    g.PlayCue(Sound::NoMueve);
}

}  // namespace

void Image1_Click(GameState& g, int index) {
    if (!g.settings.fSlide || index == g.EmptySlot || !IsPiece(g, index)) return;
    // The release before this click may just have found the board solved: a
    // finished board stays as it was won.
    if (!g.fPlaying) return;
    // A board that was not built for sliding has no empty slot to move into.
    if (!IsPiece(g, g.EmptySlot)) return;
    if (g.settings.fIrregular) {
        SlideIrregular(g, index);
        return;
    }
    SlideLine(g, index);
    CheckCompletion(g);
}

}  // namespace quilto
