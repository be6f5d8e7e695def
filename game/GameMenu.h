#pragma once
// The menu "Juego": "Nuevo", "Cargar imagen" and "Configuración".
#include "game/GameState.h"

namespace quilto {

void MnuNew_Click(GameState& g);   // "Nuevo": NewPuzzle
void MnuLoad_Click(GameState& g);  // "Cargar imagen": ChoosePicture
// "Configuración": opens the configuration dialog, then starts a new puzzle
// or lets the slippery pieces go on as the new settings ask.
void MnuConf_Click(GameState& g);

}  // namespace quilto
