// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameMenu.h"

#include "game/Boxes.h"
#include "game/GameKeeping.h"
#include "game/KeptGame.h"
#include "game/NewPuzzle.h"
#include "game/PictureLoading.h"
#include "game/Slippery.h"

namespace quilto {

void MnuNew_Click(GameState& g) {
    NewPuzzle(g);
}

void MnuLoad_Click(GameState& g) {
    ChoosePicture(g);
}

void MnuConf_Click(GameState& g) {
    // The slippery pieces stand still while the dialog is open (Timer1Runs);
    // the bar goes on from where it stood if they were moving before.
    const bool wasRunning = Timer1Runs(g);
    g.fSkipConfirm = false;
    OpenConfiguration(g);
    if (g.fSkipConfirm) {
        NewPuzzle(g);
    } else if (!g.settings.fSlippery) {
        g.win.Label4.Visible = false;
    } else if (!wasRunning && g.fPlaying) {
        // Slippery pieces just switched on, or held still by F7 or F8: the
        // bar starts empty, on the screen.
        g.win.Label4.box.Width = 0;
        g.win.Label4.Visible = true;
    }
    g.fSkipConfirm = false;
}

void MnuContinue_Click(GameState& g) {
    ContinueGame(g);
}

void MnuSave_Click(GameState& g) {
    SaveGame(g);
}

void MnuOpen_Click(GameState& g) {
    ChooseSavedGame(g);
}

}  // namespace quilto
