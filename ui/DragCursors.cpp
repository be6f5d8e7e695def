// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DragCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace quilto {
namespace {

constexpr int kSide = 32;
constexpr int kHotX = 3, kHotY = 0;

// A right hand seen from its back, index finger up; its tip touches the top
// edge at the hot spot.
QPainterPath HandOutline() {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);  // the parts overlap; their union is the hand
    // Index finger, centred on column 3.
    hand.addRoundedRect(QRectF(0.8, 0.6, 4.4, 16), 2.2, 2.2);
    // Three folded fingers as knuckles along the top of the palm.
    hand.addRoundedRect(QRectF(5.2, 8.5, 4.6, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(9.8, 9.5, 4.6, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(14.4, 10.5, 4.6, 8), 2.2, 2.2);
    // Palm and wrist.
    hand.addRoundedRect(QRectF(0.8, 13.5, 18.2, 14), 4, 4);
    return hand.simplified();
}

}  // namespace

QPixmap DragCursorPicture(bool overPiece, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    const int side = static_cast<int>(std::ceil(kSide * ratio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(HandOutline());
    // The creases between the folded fingers.
    p.drawLine(QPointF(9.8, 12), QPointF(9.8, 16));
    p.drawLine(QPointF(14.4, 13), QPointF(14.4, 17));

    if (!overPiece) {
        // A red bar from the lower left to the upper right, edged in white so
        // that it shows on a red picture too.
        const QPointF from(4, 30), to(29, 5);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(QColor(210, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    }
    return pixmap;
}

QCursor ToQCursor(Cursor c, qreal devicePixelRatio) {
    switch (c) {
        case Cursor::DragOverPiece:
            return QCursor(DragCursorPicture(true, devicePixelRatio), kHotX, kHotY);
        case Cursor::DragOverNothing:
            return QCursor(DragCursorPicture(false, devicePixelRatio), kHotX, kHotY);
        case Cursor::Default:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

}  // namespace quilto
