// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeping a game for later: "Guardar partida..." writes the game in play to
// a file, "Abrir partida..." (or a saved game dropped on the window or given
// to the program) lays it out again on this window's board frame.
#include <string>

#include "game/GameState.h"
#include "game/SavedGame.h"

namespace quilto {

// Whether there is a game to save: a puzzle in play and not yet won.
bool CanSaveGame(const GameState& g);

// The game in play as a record (CanSaveGame must hold). Its picture is the
// file the board was cut from; a picture whose file could not be read gives
// a record without bytes, which CheckSavedGame refuses.
SavedGame CaptureSavedGame(const GameState& g);
// The same record without the picture's bytes: what a change of the board
// changes, cheap to copy.
SavedGame CaptureBoard(const GameState& g);

// Asks for a file name (the picture's own name, in the folder of the last
// game saved) and writes the game there whole or not at all; a failure says
// "No se ha podido guardar la partida." and the game goes on.
void SaveGame(GameState& g);

// Asks for a saved game (in the folder of the last game saved) and opens it.
void ChooseSavedGame(GameState& g);

// Opens the saved game at path. Anything but a saved game whose picture
// decodes is refused with "Partida no válida."; during a game it asks
// "Quieres empezar otro puzzle?" first; a board this screen cannot hold
// gets the board-too-large message. Refused, declined or too large, nothing
// changes. Opened, its picture and settings are the ones in force.
void OpenSavedGame(GameState& g, const std::string& path);

// Opens a record that passed CheckSavedGame as OpenSavedGame opens a file's;
// true when its board took the place of the one in play.
bool OpenGameRecord(GameState& g, SavedGame saved);

// Whether a file is to be opened as a saved game rather than a picture: its
// name ends in ".quilto", in any case.
bool IsSavedGameName(const std::string& path);

}  // namespace quilto
