// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game in progress kept by itself. While a puzzle is in play and not
// won it lies in the user's data folder, a few seconds behind the board at
// most, and "Continuar partida" opens it again, in this run or the next.
// A board that begins (a new puzzle, a game opened) is written whole, as a
// saved game; a change of the board writes only a small board file beside
// it, so the picture is not written again. The writing runs on the
// platform's background thread, from copies; every file is replaced whole.
#include <optional>
#include <string>

#include "game/GameState.h"
#include "game/SavedGame.h"

namespace quilto {

inline constexpr const char* kKeptGameFileName = "partida-en-curso.quilto";
inline constexpr const char* kKeptBoardFileName = "partida-en-curso.tablero";
// A change of the board is kept at most this long after it was made.
inline constexpr double kKeepAfterSeconds = 2.0;

// At start-up: where games are kept, and whether one lies there to continue.
void FindKeptGame(GameState& g);

// After every command and tick: notes a change of the board and writes it
// once kKeepAfterSeconds have passed since the first change not yet kept.
// A won puzzle leaves nothing to continue.
void KeepGame(GameState& g);

// Seconds until KeepGame has a change to write; negative when none waits.
double SecondsUntilKept(GameState& g);

// The window closes or the session ends: keeps what is not kept yet, the
// slippery bar included, and waits until it is written.
void KeepGameNow(GameState& g);

// Whether "Continuar partida" has a kept game to open.
inline bool CanContinueGame(const GameState& g) {
    return g.keeping.fCanContinue;
}

// "Continuar partida": opens the kept game as "Abrir partida..." opens a
// saved one (the question during a game, the layout for this window, the
// board-too-large message).
void ContinueGame(GameState& g);

// The game kept in folder as it opens: the saved game, with the board of
// its board file when that file is one of its own; nullopt when the saved
// game is missing or cannot be read.
std::optional<SavedGame> ReadKeptGame(Platform& platform, const std::string& folder);

}  // namespace quilto
