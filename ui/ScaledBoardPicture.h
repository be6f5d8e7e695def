// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The part of the loaded picture that the board uses, scaled once to the
// size its pieces have on the screen. Pieces stay rectangles of the loaded
// picture, in its own pixels; they are copied from this picture pixel for
// pixel (or stretched, where a box and its rectangle differ by more than half
// a pixel) instead of being shrunk from the decoded picture at every paint.
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <functional>
#include <vector>

#include "game/GameState.h"
#include "platform/DecodedPicture.h"

namespace quilto {

class ScaledBoardPicture {
public:
    using PictureLookup = std::function<const DecodedPicture&(PictureId)>;

    // Makes room, ahead of time, for a copy of up to this many device pixels,
    // so that the first board does not wait for fresh memory.
    void Reserve(QSize devicePixels);

    // Brings the copy in line with the board g holds. It is made again only
    // when the board, its picture or the screen's pixel ratio changed.
    void Update(const GameState& g, const PictureLookup& pictures, qreal pixelRatio);

    // Draws the picture rectangle src stretched to target. False when the
    // copy does not hold it; the caller then draws from the loaded picture.
    bool Draw(QPainter& p, const QRectF& target, const PixelRect& src) const;

private:
    struct Key {
        std::uint32_t serial = 0;
        std::size_t pictureCount = 0;
        PictureId source = kNoPictureId;
        qint64 imageKey = 0;
        qreal pixelRatio = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    void Make(const GameState& g, const DecodedPicture& source, qreal pixelRatio);

    Key key_;
    QRectF area_;             // the part of the loaded picture the copy holds, in its own pixels
    double sx_ = 0, sy_ = 0;  // pixels of the copy per pixel of the loaded picture
    std::vector<uchar> memory_;
    int reservedWidth_ = 0;
    QImage image_;
};

}  // namespace quilto
