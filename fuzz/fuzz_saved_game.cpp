// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes given as a saved game are either refused with a reason, or read
// as a record that passes the check and writes back to the very same bytes:
// one file per game, nothing the reader lets through that the writer would
// not make. Never a crash, a hang or an allocation beyond the input's size.
// A record read is then laid out on a window as the game opens it: a board
// too large for the picture is refused, any other is the game saved.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/KeptGame.h"
#include "game/MainWindow.h"
#include "game/PuzzleCreation.h"
#include "game/PuzzleGeometry.h"
#include "game/SavedGameFile.h"
#include "support/FakePlatform.h"

namespace {

// The record's board on a 1366 x 768 window, its picture as large as the
// picture's first and last bytes say.
void Rebuild(const quilto::SavedGame& saved) {
    using namespace quilto;
    test::FakePlatform fake;
    GameState g(fake);
    InitElements(g.win);
    Form_Load(g, "/nonexistent/");
    Form_Resize(g, WindowState::Maximized, 1366 * 15, 768 * 15);
    const auto side = [&](std::size_t i) { return 1 + static_cast<std::uint8_t>(saved.PictureBytes[i]) * 8; };
    const LoadedPicture pic{LoadStatus::Ok, 1, side(0), side(saved.PictureBytes.size() - 1)};
    g.settings = saved.settings;
    g.PicClip1 = HeldPicture(fake, pic, saved.PictureName, saved.PictureBytes);
    try {
        RebuildSavedGame(g, saved);
    } catch (const BoardTooLarge&) {
        return;
    }
    if (CaptureSavedGame(g) != saved) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quilto;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedSavedGame decoded = DecodeSavedGame(bytes);
    if (decoded.fault != SavedGameFault::None) {
        if (decoded.game.PieceCount() != 0 || !decoded.game.PictureBytes.empty()) std::abort();
        return 0;
    }
    if (CheckSavedGame(decoded.game) != SavedGameFault::None) std::abort();
    const auto again = EncodeSavedGame(decoded.game);
    if (!again || *again != bytes) std::abort();
    Rebuild(decoded.game);
    return 0;
}
