// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/KeptGame.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "game/BoardElements.h"
#include "game/Boxes.h"
#include "game/PuzzleCreation.h"
#include "game/PuzzleGeometry.h"
#include "game/PuzzleRefusal.h"
#include "game/SavedGameFile.h"
#include "game/SlipperyBar.h"

namespace quilto {
namespace {

constexpr const char* kBadSavedGame = "Partida no válida.";

// The board built on a copy of the game takes the place of the one in g.
void AdoptBoard(GameState& g, GameState& built) {
    ClearBoard(g);  // ends a drag and lets go of pointers into the old board
    g.settings = built.settings;
    g.PicClip1 = std::move(built.PicClip1);
    g.BoardPicture = std::move(built.BoardPicture);
    g.fPictureLoaded = true;
    g.LaidCount = built.LaidCount;
    g.UnitWidth = built.UnitWidth;
    g.UnitHeight = built.UnitHeight;
    g.LayoutGrid = std::move(built.LayoutGrid);
    g.GridSize = built.GridSize;
    g.LaidPieces = std::move(built.LaidPieces);
    g.BoardSerial = std::max(g.BoardSerial, built.BoardSerial);
    g.PieceCount = built.PieceCount;
    g.EmptySlot = built.EmptySlot;
    g.PieceAt = std::move(built.PieceAt);
    g.win = std::move(built.win);
    g.pictures = std::move(built.pictures);
    g.fPlaying = built.fPlaying;
}

}  // namespace

bool CanSaveGame(const GameState& g) {
    return g.fPlaying && !g.fWon && g.PieceCount > 0;
}

SavedGame CaptureSavedGame(const GameState& g) {
    SavedGame saved = CaptureBoard(g);
    saved.PictureBytes = g.BoardPicture.bytes();
    return saved;
}

SavedGame CaptureBoard(const GameState& g) {
    SavedGame saved;
    saved.PictureName = g.BoardPicture.name();
    saved.settings = g.settings;
    if (g.settings.fIrregular) saved.Pieces = g.LaidPieces;
    if (g.PieceCount > 0 && g.PieceAt.size() > static_cast<std::size_t>(g.PieceCount)) {
        saved.PieceAt.assign(g.PieceAt.begin(), g.PieceAt.begin() + g.PieceCount + 1);
        saved.PieceAt[0] = 0;
    }
    if (g.settings.fSlide) saved.EmptySlot = g.EmptySlot;
    if (g.settings.fSlippery)
        saved.BarTicks = static_cast<std::int16_t>(BarTicks(g.win.Label4.box.Width, g.win.Label1.box.Width));
    return saved;
}

void SaveGame(GameState& g) {
    if (!CanSaveGame(g)) return;
    const std::string offered = std::filesystem::path(g.BoardPicture.name()).stem().string() + ".quilto";
    const std::string path = ChooseSaveFile(g, g.SavedGameFolder, offered);
    if (path.empty()) return;
    const std::optional<std::string> bytes = EncodeSavedGame(CaptureSavedGame(g));
    if (!bytes || !g.platform.WriteFileAtomically(path, *bytes)) {
        ShowMessage(g, "No se ha podido guardar la partida.", MsgIcon::Exclamation);
        return;
    }
    g.SavedGameFolder = std::filesystem::path(path).parent_path().string();
}

void ChooseSavedGame(GameState& g) {
    const std::string path = ChooseFile(g, g.SavedGameFolder);
    if (!path.empty()) OpenSavedGame(g, path);
}

void OpenSavedGame(GameState& g, const std::string& path) {
    std::string bytes;
    DecodedSavedGame decoded;
    if (!g.platform.ReadWholeFile(path, kMaxSavedGameFileBytes, bytes) ||
        (decoded = DecodeSavedGame(bytes)).fault != SavedGameFault::None) {
        ShowMessage(g, kBadSavedGame, MsgIcon::Exclamation);
        return;
    }
    bytes.clear();
    OpenGameRecord(g, std::move(decoded.game));
}

bool OpenGameRecord(GameState& g, SavedGame saved) {
    const LoadedPicture loaded = g.platform.LoadPictureBytes(saved.PictureBytes);
    HeldPicture picture(g.platform, loaded, saved.PictureName, std::move(saved.PictureBytes));
    if (picture.id() == kNoPictureId) {
        ShowMessage(g, kBadSavedGame, MsgIcon::Exclamation);
        return false;
    }
    if (g.fPlaying &&
        ShowMessage(g, "Quieres empezar otro puzzle?", MsgIcon::Question, MsgButtons::OkCancel) == MsgResult::Cancel)
        return false;
    // The board is built aside, so that one this screen cannot hold leaves
    // the game in play as it was.
    GameState built(g);
    built.settings = saved.settings;
    built.PicClip1 = std::move(picture);
    try {
        RebuildSavedGame(built, saved);
    } catch (const BoardTooLarge&) {
        ShowMessage(g, TooLargeMessage(saved.settings), MsgIcon::Exclamation);
        return false;
    }
    AdoptBoard(g, built);
    return true;
}

bool IsSavedGameName(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".quilto";
}

}  // namespace quilto
