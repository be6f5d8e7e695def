// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// F5 to F8 while a puzzle is in progress: piece borders on and off, a hint,
// the misplaced pieces marked while F7 is held, the finished picture shown
// while F8 is held. No key moves a piece.
#include <vector>

#include "game/GameState.h"

namespace quilto {

// Key codes as the window reports them.
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyF8 = 119;

// A key pressed (again on every repeat while it is held) and released.
void Form_KeyDown(GameState& g, int keyCode);
void Form_KeyUp(GameState& g, int keyCode);

// Frames a misplaced piece drawn at random and puts a dot where its picture
// belongs. Nothing in sliding mode, over the finished picture, or when no
// piece is misplaced.
void ShowHint(GameState& g);

// The board positions whose piece is not at home, in ascending order.
std::vector<std::int16_t> MisplacedPositions(const GameState& g);

}  // namespace quilto
