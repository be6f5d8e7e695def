#pragma once
// The main window shown maximized offscreen and laid out, on a fake platform
// whose pictures have no pixels.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "ui/Form1.h"

namespace quilto::test {

inline const QImage& NoPicture(PictureId) {
    static const QImage none;
    return none;
}

struct ShownGame {
    QTemporaryDir dir;
    FakePlatform platform;
    GameState g{platform};
    Form1 form{g, dir.path().toStdString() + "/", NoPicture};

    // False when the window is never exposed or laid out.
    bool Show() {
        form.showMaximized();
        return QTest::qWaitForWindowExposed(&form) && QTest::qWaitFor([&] { return !g.fLayoutPending; });
    }
    // "Nuevo" with these settings and a 400 x 200 picture loaded; true when a puzzle is in play.
    bool Start(const Settings& s) {
        platform.pictures["pic"] = {400, 200};
        g.PicClip1 = HeldPicture(platform, platform.LoadPicture("pic"));
        g.fPictureLoaded = true;
        g.settings = s;
        form.MnuNew->trigger();
        return g.fPlaying;
    }
    // The middle of board position p on the canvas, in pixels.
    QPoint Middle(int p) const { return BoardCanvas::ToPixels(g.win.Piece(p).box).center().toPoint(); }
};

}  // namespace quilto::test
