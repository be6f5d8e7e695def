#include "game/GameMenu.h"

#include <filesystem>

#include "game/Boxes.h"
#include "game/NewPuzzle.h"
#include "game/Slippery.h"

namespace quilto {
namespace {

// The first picture of a run lets the player set the board up before any
// puzzle is made; later ones go straight to a new puzzle (which asks first
// when a game is in progress).
void StartFromPicture(GameState& g) {
    if (!g.fPictureLoaded) {
        g.fSkipConfirm = false;
        g.fPictureLoaded = true;
        OpenConfiguration(g);
        if (g.fSkipConfirm) NewPuzzle(g);
        g.fSkipConfirm = false;
    } else {
        NewPuzzle(g);
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
    try {
        const LoadedPicture pic = g.platform.LoadPicture(path);
        HeldPicture held(g.platform, pic);
        if (pic.status != LoadStatus::Ok) {
            if (pic.status == LoadStatus::NotAPicture)
                ShowMessage(g, "Archivo no válido.", MsgIcon::Exclamation);
            return;
        }
        // Later puzzles are cut from it; the previous picture stays only
        // while the board on the screen still shows it.
        g.PicClip1 = std::move(held);
        StartFromPicture(g);
    } catch (...) {
        // Any other failure ends the load quietly; what was done stays.
        g.fSkipConfirm = false;
    }
}

void MnuNew_Click(GameState& g) {
    NewPuzzle(g);
}

void MnuLoad_Click(GameState& g) {
    ChoosePicture(g);
}

void MnuConf_Click(GameState& g) {
    // The slippery pieces stand still while the dialog is open (Timer1Runs);
    // the bar goes on from where it stood if they were moving before.
    const bool wasRunning = Timer1Runs(g);
    g.fSkipConfirm = false;
    OpenConfiguration(g);
    if (g.fSkipConfirm) {
        NewPuzzle(g);
    } else if (!g.settings.fSlippery) {
        g.win.Label4.Visible = false;
    } else if (!wasRunning && g.fPlaying) {
        // Slippery pieces just switched on, or held still by F7 or F8: the
        // bar starts empty, on the screen.
        g.win.Label4.box.Width = 0;
        g.win.Label4.Visible = true;
    }
    g.fSkipConfirm = false;
}

}  // namespace quilto
