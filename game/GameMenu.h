// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The menu "Juego": "Nuevo", "Cargar imagen" and "Configuración", then
// "Guardar partida..." and "Abrir partida...".
#include "game/GameState.h"

namespace quilto {

void MnuNew_Click(GameState& g);   // "Nuevo": NewPuzzle
void MnuLoad_Click(GameState& g);  // "Cargar imagen": ChoosePicture
// "Configuración": opens the configuration dialog, then starts a new puzzle
// or lets the slippery pieces go on as the new settings ask.
void MnuConf_Click(GameState& g);

void MnuContinue_Click(GameState& g);  // "Continuar partida": ContinueGame, while CanContinueGame
void MnuSave_Click(GameState& g);      // "Guardar partida...": SaveGame, while CanSaveGame
void MnuOpen_Click(GameState& g);      // "Abrir partida...": ChooseSavedGame

}  // namespace quilto
