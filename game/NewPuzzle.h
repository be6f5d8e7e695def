// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "game/GameState.h"

namespace quilto {

// "Nuevo" and every other way to a new puzzle: without a picture it says
// "Primero debes cargar una imagen" and asks for one instead (the picture
// then leads to a puzzle); with one it is CreatePuzzle (game/PuzzleCreation.h).
void NewPuzzle(GameState& g);

}  // namespace quilto
