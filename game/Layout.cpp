// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Layout.h"

#include <cmath>
#include <stdexcept>

#include "game/Numbers.h"

namespace quilto {
namespace {

// An attempt that runs longer than this is thrown away.
constexpr double kAttemptSeconds = 1.0;

struct BlockCounts {
    int tall = 0, strips = 0, squares = 0, dominoes = 0;

    int Pieces() const { return tall + strips + squares + dominoes; }
    int Units() const { return 6 * tall + 3 * strips + 4 * squares + 2 * dominoes; }
};

BlockCounts CountBlocks(int n) {
    BlockCounts k;
    k.tall = n > 7 ? n - 7 : 0;
    k.strips = n > 4 ? n - 4 : 0;
    k.squares = n > 4 ? n - 4 : 0;
    // A one-unit board has no room for a domino; the count never goes negative.
    k.dominoes = n >= 2 ? (n - 2) * 2 : 0;
    return k;
}

// A margin two units wide right and below keeps every piece on the board.
// No piece is laid yet.
void ClearGrid(GameState& g) {
    const int n = g.GridSize;
    Grid& grid = g.LayoutGrid;
    grid.Reset(n + 2);
    for (int c = 1; c <= n + 2; ++c)
        for (int r = 1; r <= n + 2; ++r)
            if (c > n || r > n) grid(c, r) = 1;
    g.LaidCount = 0;
    g.LaidPieces.clear();
}

// The outline of the next piece, from its units.
void PlaceOutline(GameState& g, int c, int r, int w, int h) {
    const Box& frame = g.win.Label1.box;
    Box& s = g.win.Shape4.at(static_cast<std::size_t>(g.LaidCount));
    s.Left = static_cast<float>(static_cast<double>(frame.Left) + (c - 1) * g.UnitWidth);
    s.Top = static_cast<float>(static_cast<double>(frame.Top) + (r - 1) * g.UnitHeight);
    s.Width = static_cast<float>(w * g.UnitWidth);
    s.Height = static_cast<float>(h * g.UnitHeight);
}

// Lays the next piece on w x h units from column c and row r (from 1): the
// grid, the piece's units, its outline, and whether a sliding board leaves it
// empty (the piece over the bottom-right unit).
void LayPiece(GameState& g, int c, int r, int w, int h) {
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) g.LayoutGrid(c + i, r + j) = 1;
    const int corner = g.GridSize;
    if (c <= corner && corner < c + w && r <= corner && corner < r + h)
        g.EmptySlot = static_cast<std::int16_t>(g.LaidCount + 1);
    PlaceOutline(g, c, r, w, h);
    const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
    g.LaidPieces.push_back({i16(c - 1), i16(r - 1), i16(w), i16(h)});
    ++g.LaidCount;
}

// The unit grid of a side x side board on the whole board area, with room
// for count outlines.
void StartLayout(GameState& g, int n, int count) {
    if (n < 1 || n > kMaxSide) throw std::out_of_range("board side out of range");
    g.EmptySlot = 0;
    Box& frame = g.win.Label1.box;
    frame.Height = static_cast<float>(g.BoardHeight);
    frame.Width = static_cast<float>(g.BoardWidth);
    g.GridSize = static_cast<std::int16_t>(n);
    g.UnitWidth = LowerToWholePixels(static_cast<double>(frame.Width) / n);
    g.UnitHeight = LowerToWholePixels(static_cast<double>(frame.Height) / n);
    g.PieceCount = static_cast<std::int16_t>(count);
    // One outline per piece; element 0 is kept, surplus ones go, missing
    // ones are made. The layout overwrites every one of them.
    g.win.Shape4.resize(static_cast<std::size_t>(count));
    g.LaidPieces.reserve(static_cast<std::size_t>(count));
}

// One attempt at a layout on an emptied unit grid: the big pieces at random
// places, then the singles in the gaps. Pieces are numbered in the order
// they are laid.
class LayoutAttempt {
public:
    explicit LayoutAttempt(GameState& g) : g_(g), n_(g.GridSize), start_(g.platform.Now()) {
        ClearGrid(g_);
    }

    // Lays every big piece, or returns false when the attempt is given up:
    // its time ran out, or a piece has no free place left anywhere.
    bool LayBigPieces(const BlockCounts& k) {
        return LayBlocks(2, 3, k.tall) && LayBlocks(3, 1, k.strips) && LayBlocks(2, 2, k.squares) &&
               LayDominoes(k.dominoes);
    }

    // Every unit still free becomes a single, column by column.
    void LaySingles() {
        for (int c = 1; c <= n_; ++c)
            for (int r = 1; r <= n_; ++r)
                if (Free(c, r)) Take(c, r, 1, 1);
    }

private:
    bool Free(int c, int r) const { return g_.LayoutGrid(c, r) == 0; }

    bool Fits(int c, int r, int w, int h) const {
        for (int i = 0; i < w; ++i)
            for (int j = 0; j < h; ++j)
                if (!Free(c + i, r + j)) return false;
        return true;
    }

    bool DominoFits(int c, int r) const { return Free(c, r) && (Free(c, r + 1) || Free(c + 1, r)); }

    bool TimeIsUp() { return g_.platform.Now() - start_ > kAttemptSeconds; }

    // Whether some place on the board still takes the piece. Places are only
    // ever lost while an attempt goes on, so the search resumes where the
    // last one stopped and costs one pass over the board per kind of piece.
    template <class FitsAt>
    bool PlaceLeft(int& scan, FitsAt fitsAt) const {
        for (; scan < n_ * n_; ++scan)
            if (fitsAt(scan / n_ + 1, scan % n_ + 1)) return true;
        return false;
    }

    // Lays count pieces of one kind, each at the first random place (column
    // drawn before row) where fitsAt holds; takeAt marks it laid.
    template <class FitsAt, class TakeAt>
    bool LayPieces(int count, FitsAt fitsAt, TakeAt takeAt) {
        int scan = 0;
        for (int i = 0; i < count; ++i) {
            // Without a free place the draws could never succeed: give up now
            // rather than wait for the clock.
            if (!PlaceLeft(scan, fitsAt)) return false;
            int c, r;
            do {
                if (TimeIsUp()) return false;
                c = g_.rng.Position(n_);
                r = g_.rng.Position(n_);
            } while (!fitsAt(c, r));
            takeAt(c, r);
        }
        return true;
    }

    bool LayBlocks(int w, int h, int count) {
        return LayPieces(
            count, [&](int c, int r) { return Fits(c, r, w, h); }, [&](int c, int r) { Take(c, r, w, h); });
    }

    // Dominoes stand upright whenever they can.
    bool LayDominoes(int count) {
        return LayPieces(
            count, [&](int c, int r) { return DominoFits(c, r); },
            [&](int c, int r) {
                if (Free(c, r + 1))
                    Take(c, r, 1, 2);
                else
                    Take(c, r, 2, 1);
            });
    }

    void Take(int c, int r, int w, int h) { LayPiece(g_, c, r, w, h); }

    GameState& g_;
    const int n_;
    const double start_;
};

}  // namespace

void BuildMixedLayout(GameState& g) {
    const int n = g.settings.Rows;
    if (n < 1 || n > kMaxSide) throw std::out_of_range("board side out of range");
    const BlockCounts counts = CountBlocks(n);
    // Singles plus big pieces.
    StartLayout(g, n, n * n - counts.Units() + counts.Pieces());

    // Each failed attempt is thrown away and the next starts from an empty
    // board.
    for (;;) {
        LayoutAttempt attempt(g);
        if (attempt.LayBigPieces(counts)) {
            attempt.LaySingles();
            return;
        }
    }
}

void LayOutPieces(GameState& g, const std::vector<UnitRect>& pieces) {
    StartLayout(g, g.settings.Rows, static_cast<int>(pieces.size()));
    ClearGrid(g);
    for (const UnitRect& u : pieces) LayPiece(g, u.Left + 1, u.Top + 1, u.Width, u.Height);
}

}  // namespace quilto
