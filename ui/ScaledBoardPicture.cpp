// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScaledBoardPicture.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <future>

namespace quilto {
namespace {

// The copy is about the board's size on the screen; anything far larger
// means the pieces are not drawn at one scale, and the loaded picture serves.
constexpr double kMaxCopySide = 16384;
constexpr int kBytesPerPixel = 4;

// Paints the rows [top, bottom) of the copy whose pixels start at bits: the
// area of the source (in its decoded pixels) stretched to the whole copy.
void ScaleRows(uchar* bits, const QImage* copy, int top, int bottom, const QImage* source, QRectF area) {
    QImage rows(bits + static_cast<qsizetype>(top) * copy->bytesPerLine(), copy->width(), bottom - top,
                copy->bytesPerLine(), copy->format());
    QPainter p(&rows);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(0, -top);
    p.drawImage(QRectF(0, 0, copy->width(), copy->height()), *source, area);
}

}  // namespace

void ScaledBoardPicture::Reserve(QSize devicePixels) {
    const auto bytes = static_cast<std::size_t>(std::max(0, devicePixels.width())) *
                       static_cast<std::size_t>(std::max(0, devicePixels.height())) * kBytesPerPixel;
    if (bytes <= memory_.size()) return;
    image_ = QImage();
    key_ = {};
    // Written once here, so the pages are the program's before any board.
    memory_.assign(bytes, 0);
    reservedWidth_ = devicePixels.width();
}

void ScaledBoardPicture::Update(const GameState& g, const PictureLookup& pictures, qreal pixelRatio) {
    Key key{g.BoardSerial, g.pictures.Size(), kNoPictureId, 0, pixelRatio};
    if (g.pictures.Size() > 1) key.source = g.pictures[1].source;
    static const DecodedPicture none;
    const DecodedPicture& source = key.source == kNoPictureId ? none : pictures(key.source);
    key.imageKey = source.image.cacheKey();
    if (key == key_) return;
    key_ = key;
    image_ = QImage();
    if (!source.image.isNull()) Make(g, source, pixelRatio);
}

void ScaledBoardPicture::Make(const GameState& g, const DecodedPicture& source, qreal pixelRatio) {
    // The part of the picture that anything on the board shows.
    QRectF area;
    for (std::size_t h = 1; h < g.pictures.Size(); ++h) {
        const PixelRect& r = g.pictures[static_cast<PictureHandle>(h)];
        if (r.source == key_.source) area |= QRectF(r.Left, r.Top, r.Width, r.Height);
    }
    area &= QRectF(QPointF(0, 0), QSizeF(source.size));
    // The scale the pieces are drawn at, taken over the whole board: the
    // pieces' rectangles are whole pixels, their boxes are not.
    double boxW = 0, boxH = 0, srcW = 0, srcH = 0;
    for (std::size_t i = 1; i < g.win.Image1.size(); ++i) {
        const Element& e = g.win.Image1[i];
        if (e.Picture == kEmptyPicture || static_cast<std::size_t>(e.Picture) >= g.pictures.Size()) continue;
        const PixelRect& r = g.pictures[e.Picture];
        if (r.source != key_.source) continue;
        boxW += e.box.Width;
        boxH += e.box.Height;
        srcW += r.Width;
        srcH += r.Height;
    }
    if (area.isEmpty() || srcW <= 0 || srcH <= 0) return;
    const double width = std::round(area.width() * pixelRatio * boxW / kUnitsPerPixel / srcW);
    const double height = std::round(area.height() * pixelRatio * boxH / kUnitsPerPixel / srcH);
    if (width < 1 || height < 1 || width > kMaxCopySide || height > kMaxCopySide) return;

    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const QImage::Format format =
        source.image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (w <= reservedWidth_ && static_cast<std::size_t>(w) * h * kBytesPerPixel <= memory_.size())
        image_ = QImage(memory_.data(), w, h, w * kBytesPerPixel, format);
    else
        image_ = QImage(w, h, format);
    if (image_.isNull()) return;
    // Two halves at once; each is exactly what one pass would paint there.
    uchar* bits = image_.bits();
    const QRectF decoded = source.ToDecoded(area);
    auto lower = std::async(std::launch::async, ScaleRows, bits, &image_, h / 2, h, &source.image, decoded);
    ScaleRows(bits, &image_, 0, h / 2, &source.image, decoded);
    lower.get();
    area_ = area;
    sx_ = width / area.width();
    sy_ = height / area.height();
}

bool ScaledBoardPicture::Draw(QPainter& p, const QRectF& target, const PixelRect& src) const {
    if (image_.isNull() || src.source != key_.source) return false;
    const QRectF wanted(src.Left, src.Top, src.Width, src.Height);
    if (!area_.contains(wanted)) return false;
    const QRectF from((wanted.left() - area_.left()) * sx_, (wanted.top() - area_.top()) * sy_, wanted.width() * sx_,
                      wanted.height() * sy_);
    const bool oneToOne = p.device()->devicePixelRatioF() == 1 && p.transform().type() <= QTransform::TxTranslate &&
                          std::abs(from.width() - target.width()) <= 0.5 &&
                          std::abs(from.height() - target.height()) <= 0.5;
    if (!oneToOne) {
        p.drawImage(target, image_, from);
        return true;
    }
    // The pixels whose centres lie in the box, as the painter fills it, each
    // from the pixel of the copy nearest to the same spot of the piece.
    const int left = static_cast<int>(std::ceil(target.left() - 0.5));
    const int top = static_cast<int>(std::ceil(target.top() - 0.5));
    const int right = static_cast<int>(std::ceil(target.right() - 0.5));
    const int bottom = static_cast<int>(std::ceil(target.bottom() - 0.5));
    QRect pixels(static_cast<int>(std::lround(from.left() + left - target.left())),
                 static_cast<int>(std::lround(from.top() + top - target.top())), right - left, bottom - top);
    pixels.moveLeft(std::clamp(pixels.left(), 0, std::max(0, image_.width() - pixels.width())));
    pixels.moveTop(std::clamp(pixels.top(), 0, std::max(0, image_.height() - pixels.height())));
    p.drawImage(QPoint(left, top), image_, pixels);
    return true;
}

}  // namespace quilto
