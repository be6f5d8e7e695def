// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The file of a kept game (".quilto"): a format name, a version, the board
// in a few fixed-width little-endian fields, then the picture file's bytes
// as they are. README.md, "Saved games", lays out every byte.
#include <cstddef>
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

}  // namespace quilto
