#include "game/GameMenu.h"

#include <filesystem>

#include "game/NewPuzzle.h"

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

void OpenConfiguration(GameState& g) {
    if (g.ShowConfiguration) g.ShowConfiguration();
}

void ChoosePicture(GameState& g) {
    const std::string startDir = g.PictureFolder.empty() ? g.AppFile(kSamplesFolder) : g.PictureFolder;
    const std::string path = g.platform.ChooseOpenFile(startDir);
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
                g.platform.MessageBox("Archivo no válido.", MsgIcon::Exclamation, MsgButtons::Ok);
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
    Timer& timer = g.win.Timer1;
    const bool wasRunning = timer.Enabled;
    timer.Enabled = false;
    g.fSkipConfirm = false;
    OpenConfiguration(g);

    // The F7 marks or the F8 peek (the dialog's shortcut works while either
    // key is held) keep the pieces still; the key's release starts the timer.
    const bool aidShown = g.fKeyMoving || g.win.Image2.Visible;
    if (g.fSkipConfirm) {
        NewPuzzle(g);
    } else if (!g.settings.fSlippery) {
        g.win.Label4.Visible = false;
    } else if (wasRunning && g.win.Label4.Visible) {
        timer.Enabled = !aidShown;  // the bar goes on from where it stood
    } else if (g.fPlaying) {
        // Slippery pieces just switched on: the timer may have been running
        // idle (an F7 or F8 release starts it whatever the option), but the
        // bar was not on the screen, so it starts empty and is shown.
        g.win.Label4.box.Width = 0;
        g.win.Label4.Visible = true;
        timer.Enabled = !aidShown;
    }
    g.fSkipConfirm = false;
}

}  // namespace quilto
