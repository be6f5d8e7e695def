// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/NewPuzzle.h"

#include "game/Boxes.h"
#include "game/PictureLoading.h"
#include "game/PuzzleCreation.h"

namespace quilto {

void NewPuzzle(GameState& g) {
    if (!g.fPictureLoaded) {
        ShowMessage(g, "Primero debes cargar una imagen", MsgIcon::Exclamation);
        ChoosePicture(g);
        return;
    }
    CreatePuzzle(g);
}

}  // namespace quilto
