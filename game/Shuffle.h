// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "game/GameState.h"

namespace quilto {

// The exchanges a shuffle made, in order, as the two positions handed to
// SwapPieces.
using ExchangeLog = std::vector<std::pair<std::int16_t, std::int16_t>>;

// Mixes a freshly cut board (PieceAt(p) = p for every p) in the way the
// settings ask for; in sliding mode it also makes the empty slot. When log is
// given, every exchange is appended to it.
void Shuffle(GameState& g, ExchangeLog* log = nullptr);

}  // namespace quilto
