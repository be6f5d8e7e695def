// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board canvas: one widget that paints every element of the main window
// in stacking order (game/Stacking.h) from the one loaded picture. Pieces are
// source rectangles of that picture (in its own pixels, which the decoded
// picture may hold fewer of) stretched to their boxes, drawn from one copy of
// the board's part of it scaled to the screen; no pixels are copied per
// piece. It reports the pointer in window units and leaves the rules to its
// owner.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <vector>

#include "game/GameState.h"
#include "ui/ScaledBoardPicture.h"

namespace quilto {

class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    using PictureLookup = ScaledBoardPicture::PictureLookup;

    BoardCanvas(const GameState& g, PictureLookup pictures, QWidget* parent = nullptr);

    // Schedules the repaint of whatever changed since the last call and
    // returns that region.
    QRegion Sync();

    // Window units to this widget's logical pixels, and back.
    static QRectF ToPixels(const Box& b);
    static QPointF ToUnits(QPointF pixels);

    // The game's mouse button number of a Qt button; 0 for buttons the game
    // does not know.
    static int GameButton(Qt::MouseButton button);

signals:
    // Pointer positions are in window units. othersHeld: another button of
    // the game's is already down.
    void pointerPressed(int button, bool othersHeld, QPointF units);
    void pointerMoved(QPointF units);
    void pointerReleased(int button, QPointF units);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What one element looked like when it was last scheduled.
    struct Seen {
        Element look;
        PixelRect picture;  // what the element's picture handle stood for
        friend bool operator==(const Seen&, const Seen&) = default;
    };

    void Snapshot(std::vector<Seen>& out) const;
    // The area an element paints, in logical pixels.
    QRectF PaintedArea(const Element& e) const;
    // Paints an element by its kind and its picture.
    void PaintElement(QPainter& p, const Element& e) const;
    void PaintPicture(QPainter& p, const Element& e, const QRectF& r) const;

    const GameState& g_;
    PictureLookup pictures_;
    std::vector<Seen> seen_;
    ScaledBoardPicture scaled_;
};

}  // namespace quilto
