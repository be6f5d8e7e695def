#pragma once
// A game as start-up leaves it in a maximized window whose board frame is
// 9000 x 6000 units at (120, 120), on a fake platform, its program folder a
// fresh one. The configuration dialog counts its showings and runs `dialog`.
#include <functional>
#include <string>

#include "game/MainWindow.h"
#include "game/NewPuzzle.h"
#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "support/TempDir.h"

namespace quilto::test {

struct WindowFixture {
    FakePlatform fake;
    GameState g{fake};
    TempDir dir;
    int dialogs = 0;
    std::function<void()> dialog = [] {};

    WindowFixture() {
        InitElements(g.win);
        Form_Load(g, dir.AsAppDir());
        Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
        g.ShowConfiguration = [this] {
            ++dialogs;
            dialog();
        };
    }
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    // A new puzzle of these settings cut from a w x h picture (number 1),
    // asking first only if told to.
    void Start(const Settings& s, int w = 800, int h = 600, bool ask = false) {
        g.PicClip1 = HeldPicture(fake, {LoadStatus::Ok, 1, w, h});
        g.fPictureLoaded = true;
        g.fSkipConfirm = !ask;
        g.settings = s;
        NewPuzzle(g);
    }
};

}  // namespace quilto::test
