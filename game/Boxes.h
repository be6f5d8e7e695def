// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's modal boxes: message boxes, the file dialog and the
// configuration dialog. As one opens, a drag in progress ends (the button's
// release goes to the box); while one waits, the slippery pieces stand
// still (Timer1Runs). Every box the game shows goes through here.
#include <string>

#include "game/GameState.h"

namespace quilto {

// A message box titled "Quilto"; returns the button pressed.
MsgResult ShowMessage(GameState& g, const std::string& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);

// The file-open dialog starting in startDir; "" when cancelled.
std::string ChooseFile(GameState& g, const std::string& startDir);

// The save dialog for a saved game, in folder (empty: the user's documents)
// offering name; "" when cancelled.
std::string ChooseSaveFile(GameState& g, const std::string& folder, const std::string& name);

// The configuration dialog, modal (nothing happens when the window has not
// provided one). Its outcome is fSkipConfirm.
void OpenConfiguration(GameState& g);

}  // namespace quilto
