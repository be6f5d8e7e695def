// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Sliding mode: one position is empty and a click moves pieces into it. On a
// regular board the whole run between the clicked piece and the empty slot
// slides one step; on an irregular board a piece touching the empty slot
// trades places with it.
#include "game/GameState.h"

namespace quilto {

// A click on the element at board position index; it comes after the
// release of the left button has been handled.
void Image1_Click(GameState& g, int index);

}  // namespace quilto
