// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A loaded picture as the platform holds it: its own size, in the pixels the
// game cuts it in, and the pixels decoded of it, which may be fewer (enough
// for the screen). A rectangle of the picture maps onto the decoded pixels by
// the ratio of the two sizes.
#include <QImage>
#include <QRectF>
#include <QSize>
#include <utility>

namespace quilto {

struct DecodedPicture {
    DecodedPicture() = default;
    // Every pixel decoded.
    explicit DecodedPicture(QImage whole) : image(std::move(whole)), size(image.size()) {}
    DecodedPicture(QImage decoded, QSize own) : image(std::move(decoded)), size(own) {}

    // A rectangle in the picture's own pixels, in the decoded pixels.
    QRectF ToDecoded(const QRectF& r) const {
        if (size.isEmpty() || image.size() == size) return r;
        const qreal sx = qreal(image.width()) / size.width(), sy = qreal(image.height()) / size.height();
        return {r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy};
    }

    QImage image;  // the decoded pixels; null for no picture
    QSize size;    // the picture's own size
};

}  // namespace quilto
