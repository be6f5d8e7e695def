#pragma once
// The menu "Juego": "Nuevo", "Cargar imagen" and "Configuración", and the
// loading of a picture that leads into a new puzzle.
#include <string>

#include "game/GameState.h"

namespace quilto {

// Asks for a picture file (first in the sample pictures beside the program,
// afterwards in the folder of the last one chosen) and loads it.
void ChoosePicture(GameState& g);

// Loads the picture at path as if it had been chosen in the file dialog: the
// first picture of a run opens the configuration dialog, later ones go
// straight to a new puzzle. A file that is not a picture is refused with
// "Archivo no válido." and changes nothing.
void LoadPictureFile(GameState& g, const std::string& path);

void MnuNew_Click(GameState& g);
void MnuLoad_Click(GameState& g);
// Opens the configuration dialog with the slippery pieces paused, then starts
// a new puzzle or lets the slippery pieces go on as the new settings ask.
void MnuConf_Click(GameState& g);

}  // namespace quilto
