// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loading the picture that puzzles are cut from, which leads into a new
// puzzle.
#include <string>

#include "game/GameState.h"

namespace quilto {

// Asks for a picture file (first in the sample pictures beside the program,
// afterwards in the folder of the last one chosen) and loads it.
void ChoosePicture(GameState& g);

// Loads the picture at path as if it had been chosen in the file dialog: the
// first picture of a run opens the configuration dialog, later ones go
// straight to a new puzzle. A file that is not a picture is refused with
// "Archivo no válido." and changes nothing; one the platform cannot read
// changes nothing without a word.
void LoadPictureFile(GameState& g, const std::string& path);

}  // namespace quilto
