// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game kept for later, as plain data: the picture file itself, the
// settings the board was made with, the board's layout in units, which piece
// lies where, the empty slot and the slippery bar. Everything a board frame
// of any size needs to lay the same game out again with the board
// arithmetic of a new puzzle; nothing that depends on the window.
#include <cstdint>
#include <string>
#include <vector>

#include "game/UnitRect.h"
#include "settings/Settings.h"

namespace quilto {

// Longest picture name kept, in bytes: the longest file name the system takes.
inline constexpr std::size_t kMaxPictureNameBytes = 255;

struct SavedGame {
    // The picture file's own name, without its folder (UTF-8): the name
    // offered when the game is saved.
    std::string PictureName;
    // The picture file, byte for byte; the game opens without it.
    std::string PictureBytes;
    // The six settings the board was made with.
    Settings settings;
    // Irregular board: Pieces[k - 1] is piece k on the Rows x Rows unit grid.
    // Empty on a regular board, whose Columns x Rows cells the settings give.
    std::vector<UnitRect> Pieces;
    // [1..PieceCount]: the piece each board position shows; [0] is 0.
    std::vector<std::int16_t> PieceAt;
    // Sliding board: the position showing the empty slot; 0 on other boards.
    std::int16_t EmptySlot = 0;
    // Slippery pieces: the ticks the bar has grown since it was last emptied
    // (0..kMaxBarTicks, game/SlipperyBar.h); 0 without slippery pieces.
    std::int16_t BarTicks = 0;

    int PieceCount() const { return PieceAt.empty() ? 0 : static_cast<int>(PieceAt.size()) - 1; }

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Why bytes or a record are not a game that can be opened.
enum class SavedGameFault {
    None,
    NotASavedGame,   // the file does not start with the format's name
    NewerVersion,    // written by a later version of the game
    CutShort,        // the file ends before its last field
    TrailingBytes,   // bytes follow the picture
    BadSettings,     // sides outside 1..65, or options no puzzle is made with
    BadPieceCount,   // more pieces than a board holds, or not the board's count
    BadLayout,       // irregular pieces that do not tile the board exactly
    BadPieceAt,      // PieceAt is not a permutation of 1..PieceCount
    BadEmptySlot,    // outside the board, not the empty piece, or on a board that does not slide
    Unsolvable,      // a sliding board that no sequence of slides finishes
    BadBar,          // the bar past full, or a bar without slippery pieces
    BadPictureName,  // too long, or a folder in it
    BadPicture,      // no bytes, or more than the file can say (4 GiB)
    OutOfMemory,     // the machine could not hold the file's contents
};

// Whether the record is a game the program could be playing, by every rule a
// kept game meets beyond the file's byte form: the settings a puzzle is made
// with, a layout that tiles the board, PieceAt a permutation, the empty slot
// on the empty piece of a sliding board that slides can still finish, the
// bar, the picture's name and bytes. The file reader applies it to every
// file it reads; whoever rebuilds a board from a record may rely on it.
SavedGameFault CheckSavedGame(const SavedGame& game);

// The piece a sliding board gives up for its empty slot: the last on a
// regular board, the one over the bottom-right unit on an irregular one.
// The record must pass CheckSavedGame.
int EmptyPiece(const SavedGame& game);

}  // namespace quilto
