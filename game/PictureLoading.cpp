// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PictureLoading.h"

#include <filesystem>

#include "game/Boxes.h"
#include "game/PuzzleCreation.h"
#include "game/SavedGameFile.h"

namespace quilto {
namespace {

// The first picture of a run lets the player set the board up before any
// puzzle is made; later ones go straight to a new puzzle (which asks first
// when a game is in progress). A picture is loaded either way, so the new
// puzzle is made at once.
void StartFromPicture(GameState& g) {
    if (!g.fPictureLoaded) {
        g.fSkipConfirm = false;
        g.fPictureLoaded = true;
        OpenConfiguration(g);
        if (g.fSkipConfirm) CreatePuzzle(g);
        g.fSkipConfirm = false;
    } else {
        CreatePuzzle(g);
    }
}

}  // namespace

void ChoosePicture(GameState& g) {
    const std::string startDir = g.PictureFolder.empty() ? g.AppFile(kSamplesFolder) : g.PictureFolder;
    const std::string path = ChooseFile(g, startDir);
    if (path.empty()) return;
    g.PictureFolder = std::filesystem::path(path).parent_path().string();
    LoadPictureFile(g, path);
}

void LoadPictureFile(GameState& g, const std::string& path) {
    const LoadedPicture pic = g.platform.LoadPicture(path);
    // The file's bytes go with the picture into a saved game. One that
    // cannot be read again leaves the picture playable but not savable.
    std::string bytes;
    if (pic.status == LoadStatus::Ok && !g.platform.ReadWholeFile(path, kMaxPictureFileBytes, bytes)) bytes.clear();
    HeldPicture held(g.platform, pic, std::filesystem::path(path).filename().string(), std::move(bytes));
    if (pic.status == LoadStatus::NotAPicture) ShowMessage(g, "Archivo no válido.", MsgIcon::Exclamation);
    if (pic.status != LoadStatus::Ok) return;
    // Later puzzles are cut from it; the previous picture stays only while
    // the board on the screen still shows it.
    g.PicClip1 = std::move(held);
    StartFromPicture(g);
}

}  // namespace quilto
