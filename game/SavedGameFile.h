// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The file of a kept game (".quilto"): a format name, a version, the board
// in a few fixed-width little-endian fields, then the picture file's bytes
// as they are. README.md, "Saved games", lays out every byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/SavedGame.h"

namespace quilto {

// The first bytes of every saved game.
inline constexpr std::string_view kSavedGameMagic = "Quilto partida\r\n";
// The version this program writes and the newest it reads.
inline constexpr int kSavedGameVersion = 1;

// The largest picture file a saved game carries, and the largest saved game
// read: the picture plus room for the board of any size.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{512} << 20;
inline constexpr std::size_t kMaxSavedGameFileBytes = kMaxPictureFileBytes + (std::size_t{64} << 10);

// The file's bytes, or nullopt when the record fails CheckSavedGame: no file
// is ever written that the reader would refuse.
std::optional<std::string> EncodeSavedGame(const SavedGame& game);

struct DecodedSavedGame {
    SavedGame game;  // empty unless fault is None
    SavedGameFault fault = SavedGameFault::None;
};

// Reads a file's bytes; anything but a valid saved game of this version or
// an older one gives its fault. Never throws, and allocates no more than the
// bytes given plus some 40 KiB whatever the file's counts say.
DecodedSavedGame DecodeSavedGame(std::string_view bytes);

// The board file kept beside a full saved game, so that a change of the
// board does not write the picture again: the format's name, a version, the
// fingerprint of the saved game's file it goes with, then which piece lies
// where, the empty slot and the bar, as a saved game has them.
inline constexpr std::string_view kKeptBoardMagic = "Quilto tablero\r\n";

// A fingerprint of a file's bytes (64-bit FNV-1a): a board file applies
// only to the saved game whose bytes it names.
std::uint64_t FileFingerprint(std::string_view bytes);

// The board file of game, to go with the saved game file whose fingerprint
// is given. game must pass CheckSavedGame (its picture may be left out).
std::string EncodeKeptBoard(const SavedGame& game, std::uint64_t savedFingerprint);

// The saved game base (read from a file of fingerprint savedFingerprint)
// with the board of a board file; nullopt when the bytes are not a board
// file of this version for that very file, or would not make a game that
// passes CheckSavedGame.
std::optional<SavedGame> ApplyKeptBoard(const SavedGame& base, std::uint64_t savedFingerprint,
                                        std::string_view boardBytes);

}  // namespace quilto
