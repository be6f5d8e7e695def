// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/SavedGame.h"

#include <cstdint>
#include <cstdlib>
#include <span>

#include "game/GameState.h"
#include "game/SettingsRules.h"
#include "game/SlipperyBar.h"

namespace quilto {
namespace {

bool SideInRange(int side) {
    return side >= 1 && side <= kMaxSide;
}

// The settings of a puzzle in play: those a new puzzle accepts.
bool PlayableSettings(const Settings& s) {
    if (!SideInRange(s.Columns) || !SideInRange(s.Rows)) return false;
    const SettingsRule rule = BrokenSettingsRule(s);
    return rule == SettingsRule::None || rule == SettingsRule::OneByOne;
}

// Whether the pieces cover every unit of a side x side board exactly once.
bool TilesBoard(std::span<const UnitRect> pieces, int side) {
    std::vector<bool> taken(static_cast<std::size_t>(side * side), false);
    int area = 0;
    for (const UnitRect& u : pieces) {
        if (u.Left < 0 || u.Top < 0 || u.Width < 1 || u.Height < 1 || u.Left + u.Width > side ||
            u.Top + u.Height > side)
            return false;
        for (int c = u.Left; c < u.Left + u.Width; ++c)
            for (int r = u.Top; r < u.Top + u.Height; ++r) {
                const auto cell = static_cast<std::size_t>(r * side + c);
                if (taken[cell]) return false;
                taken[cell] = true;
                ++area;
            }
    }
    return area == side * side;
}

bool IsPermutation(const std::vector<std::int16_t>& pieceAt) {
    const int n = static_cast<int>(pieceAt.size()) - 1;
    std::vector<bool> seen(pieceAt.size(), false);
    for (int p = 1; p <= n; ++p) {
        const int k = pieceAt[static_cast<std::size_t>(p)];
        if (k < 1 || k > n || seen[static_cast<std::size_t>(k)]) return false;
        seen[static_cast<std::size_t>(k)] = true;
    }
    return true;
}

// Each slide exchanges the empty slot with a neighbour: it changes the
// parity of the permutation and moves the slot by one cell. So slides can
// finish a regular board exactly when the parity of PieceAt equals the
// parity of the slot's distance from its home in the bottom-right corner
// (and on boards of at least 2 x 2 every such board can be finished).
bool RegularSlidingSolvable(const SavedGame& game) {
    const int n = game.PieceCount();
    std::vector<bool> visited(static_cast<std::size_t>(n) + 1, false);
    int cycles = 0;
    for (int p = 1; p <= n; ++p) {
        if (visited[static_cast<std::size_t>(p)]) continue;
        ++cycles;
        for (int q = p; !visited[static_cast<std::size_t>(q)]; q = game.PieceAt[static_cast<std::size_t>(q)])
            visited[static_cast<std::size_t>(q)] = true;
    }
    const int columns = game.settings.Columns;
    const int e = game.EmptySlot - 1;
    const int distance = std::abs(columns - 1 - e % columns) + std::abs(game.settings.Rows - 1 - e / columns);
    return (n - cycles) % 2 == distance % 2;
}

bool GoodPictureName(const std::string& name) {
    return name.size() <= kMaxPictureNameBytes && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos && name != "." && name != "..";
}

}  // namespace

int EmptyPiece(const SavedGame& game) {
    if (!game.settings.fIrregular) return game.PieceCount();
    const int corner = game.settings.Rows - 1;
    for (std::size_t k = 0; k < game.Pieces.size(); ++k) {
        const UnitRect& u = game.Pieces[k];
        if (u.Left <= corner && corner < u.Left + u.Width && u.Top <= corner && corner < u.Top + u.Height)
            return static_cast<int>(k) + 1;
    }
    return 0;
}

SavedGameFault CheckSavedGame(const SavedGame& game) {
    const Settings& s = game.settings;
    if (!PlayableSettings(s)) return SavedGameFault::BadSettings;

    const int n = game.PieceCount();
    if (n < 1 || n > s.Columns * s.Rows) return SavedGameFault::BadPieceCount;
    if (s.fIrregular) {
        if (static_cast<int>(game.Pieces.size()) != n) return SavedGameFault::BadPieceCount;
        if (!TilesBoard(game.Pieces, s.Rows)) return SavedGameFault::BadLayout;
    } else if (n != s.Columns * s.Rows || !game.Pieces.empty()) {
        return SavedGameFault::BadPieceCount;
    }

    if (game.PieceAt[0] != 0 || !IsPermutation(game.PieceAt)) return SavedGameFault::BadPieceAt;

    if (s.fSlide) {
        if (game.EmptySlot < 1 || game.EmptySlot > n ||
            game.PieceAt[static_cast<std::size_t>(game.EmptySlot)] != EmptyPiece(game))
            return SavedGameFault::BadEmptySlot;
        if (!s.fIrregular && !RegularSlidingSolvable(game)) return SavedGameFault::Unsolvable;
    } else if (game.EmptySlot != 0) {
        return SavedGameFault::BadEmptySlot;
    }

    const int maxTicks = s.fSlippery ? kMaxBarTicks : 0;
    if (game.BarTicks < 0 || game.BarTicks > maxTicks) return SavedGameFault::BadBar;

    if (!GoodPictureName(game.PictureName)) return SavedGameFault::BadPictureName;
    if (game.PictureBytes.empty() || game.PictureBytes.size() > UINT32_MAX) return SavedGameFault::BadPicture;
    return SavedGameFault::None;
}

}  // namespace quilto
