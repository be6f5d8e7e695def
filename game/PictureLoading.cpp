// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PictureLoading.h"

#include <filesystem>

#include "game/Boxes.h"
#include "game/PuzzleCreation.h"
#include "game/SavedGameFile.h"

namespace quilto {
namespace {

constexpr const char* kNotAPicture = "Archivo no válido.";

// The first picture of a run lets the player set the board up before any
// puzzle is made; later ones go straight to a new puzzle (which asks first
// when a game is in progress). A picture is loaded either way, so the new
// puzzle is made at once. The first picture goes on decoding while the
// configuration dialog is open; one that proves broken then is refused as
// it would have been before the dialog.
void StartFromPicture(GameState& g) {
    if (!g.fPictureLoaded) {
        g.fSkipConfirm = false;
        g.fPictureLoaded = true;
        OpenConfiguration(g);
        if (g.platform.FinishPicture(g.PicClip1.id()) != LoadStatus::Ok) {
            g.PicClip1 = {};
            g.fPictureLoaded = false;
            ShowMessage(g, kNotAPicture, MsgIcon::Exclamation);
        } else if (g.fSkipConfirm) {
            CreatePuzzle(g);
        }
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
    LoadedPicture pic = g.platform.LoadPicture(path);
    // Only the first picture has the configuration dialog to open meanwhile.
    if (pic.status == LoadStatus::Ok && g.fPictureLoaded && g.platform.FinishPicture(pic.id) != LoadStatus::Ok)
        pic.status = LoadStatus::NotAPicture;
    // The file's bytes go with the picture into a saved game. One that
    // cannot be read again leaves the picture playable but not savable.
    std::string bytes;
    if (pic.status == LoadStatus::Ok && !g.platform.ReadWholeFile(path, kMaxPictureFileBytes, bytes)) bytes.clear();
    HeldPicture held(g.platform, pic, std::filesystem::path(path).filename().string(), std::move(bytes));
    if (pic.status == LoadStatus::NotAPicture) ShowMessage(g, kNotAPicture, MsgIcon::Exclamation);
    if (pic.status != LoadStatus::Ok) return;
    // Later puzzles are cut from it; the previous picture stays only while
    // the board on the screen still shows it.
    g.PicClip1 = std::move(held);
    StartFromPicture(g);
}

}  // namespace quilto
