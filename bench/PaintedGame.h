// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the paint benchmarks share: an offscreen application, a 24-megapixel
// picture with detail everywhere, kept as the platform keeps it for a board,
// and a game whose board canvas paints into a full-HD screen image.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <map>
#include <utility>

#include "BenchGame.h"
#include "platform/PictureFile.h"
#include "ui/BoardCanvas.h"

namespace quilto::bench {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "quilto_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down among the other statics at exit, the
    // application would outlive the input devices it owns.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// A picture with detail everywhere, so that scaling does real work.
inline const QImage& BigPicture() {
    static const QImage image = [] {
        QImage img(6000, 4000, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient grad(0, 0, 6000, 4000);
        grad.setColorAt(0, Qt::darkBlue);
        grad.setColorAt(1, Qt::yellow);
        p.fillRect(img.rect(), grad);
        for (int i = 0; i < 4000; i += 37) p.drawLine(0, i, 6000, 4000 - i);
        return img;
    }();
    return image;
}

// The big picture as the platform keeps it for a board of `board` device
// pixels: no more pixels than cover the board, the picture's own size beside them.
inline const DecodedPicture& KeptPicture(QSize board) {
    static std::map<std::pair<int, int>, DecodedPicture> kept;
    auto [it, added] = kept.try_emplace({board.width(), board.height()});
    if (added) {
        const QSize size = DecodedSize(BigPicture().size(), board);
        it->second = {BigPicture().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), BigPicture().size()};
    }
    return it->second;
}

// The board of g in device pixels at a pixel ratio of 1, as the main window gives it.
inline QSize BoardPixels(const GameState& g) {
    return {(g.BoardWidth + kUnitsPerPixel - 1) / kUnitsPerPixel,
            (g.BoardHeight + kUnitsPerPixel - 1) / kUnitsPerPixel};
}

// The game, its canvas on a full-HD window, and the screen it paints into.
struct PaintedGame : BenchGame {
    // Before the canvas: a filtered run may start with this game.
    QApplication& app = App();
    BoardCanvas canvas{g, [this](PictureId) -> const DecodedPicture& { return KeptPicture(BoardPixels(g)); }};
    QImage screen;

    explicit PaintedGame(const Settings& s) : BenchGame(s, BigPicture().width(), BigPicture().height()) {
        canvas.resize(1920, 1050);
        screen = QImage(canvas.size(), QImage::Format_RGB32);
    }

    // Brings the canvas in line with the game and paints what changed.
    void Repaint() {
        const QRegion dirty = canvas.Sync();
        if (!dirty.isEmpty()) canvas.render(&screen, dirty.boundingRect().topLeft(), dirty);
    }
};

}  // namespace quilto::bench
