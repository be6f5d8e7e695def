// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/OverlayLook.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace quilto::look {
namespace {

// Paints in device pixels for the length of one overlay.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& p) : p_(p), ratio_(p.device() ? p.device()->devicePixelRatioF() : 1.0) {
        p_.save();
        p_.scale(1 / ratio_, 1 / ratio_);
        p_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~DevicePixels() { p_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // A logical rectangle snapped outward to whole device pixels.
    QRect Snap(const QRectF& r) const {
        const int left = static_cast<int>(std::floor(r.left() * ratio_));
        const int top = static_cast<int>(std::floor(r.top() * ratio_));
        const int right = static_cast<int>(std::ceil(r.right() * ratio_));
        const int bottom = static_cast<int>(std::ceil(r.bottom() * ratio_));
        return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
    }
    // A logical width in whole device pixels, at least one.
    int Px(double logical) const { return std::max(1, static_cast<int>(std::lround(logical * ratio_))); }

private:
    QPainter& p_;
    double ratio_;
};

// A band of the given thickness just inside r.
void Ring(QPainter& p, const QRect& r, int thickness, const QColor& colour) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const int t = std::min({thickness, (r.width() + 1) / 2, (r.height() + 1) / 2});
    p.fillRect(QRect(r.left(), r.top(), r.width(), t), colour);
    p.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), colour);
    p.fillRect(QRect(r.left(), r.top() + t, t, r.height() - 2 * t), colour);
    p.fillRect(QRect(r.right() - t + 1, r.top() + t, t, r.height() - 2 * t), colour);
}

QRect Inset(const QRect& r, int by) {
    return r.adjusted(by, by, -by, -by);
}

// A band of dashes of one colour on another, between two edges.
void DashedFrame(QPainter& p, const QRect& r, int edge, int band, const QColor& edges, const QColor& under,
                 const QColor& dashes, double dashLength, double gapLength) {
    Ring(p, r, edge, edges);
    Ring(p, Inset(r, edge + band), edge, edges);
    const QRect mid = Inset(r, edge);
    Ring(p, mid, band, under);
    QPen dash(dashes, band, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dash.setDashPattern({dashLength, gapLength});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    const double half = band / 2.0;
    p.drawRect(QRectF(mid).adjusted(half, half, -half, -half));
}

}  // namespace

void PaintSelectionFrame(QPainter& p, const QRectF& box) {
    DevicePixels dev(p);
    const QRect r = dev.Snap(box);
    const int edge = dev.Px(1), band = dev.Px(3);
    Ring(p, r, edge, Qt::black);
    Ring(p, Inset(r, edge), band, QColor(255, 214, 0));
    Ring(p, Inset(r, edge + band), edge, Qt::black);
}

void PaintHintFrame(QPainter& p, const QRectF& box) {
    DevicePixels dev(p);
    DashedFrame(p, dev.Snap(box), dev.Px(1), dev.Px(3), Qt::black, Qt::white, QColor(255, 110, 0), 1.0, 1.0);
}

void PaintDropFrame(QPainter& p, const QRectF& box) {
    DevicePixels dev(p);
    DashedFrame(p, dev.Snap(box), dev.Px(1), dev.Px(3), Qt::white, Qt::black, QColor(0, 220, 255), 2.0, 1.0);
}

void PaintKeyCursor(QPainter& p, const QRectF& box) {
    DevicePixels dev(p);
    const QRect r = dev.Snap(box);
    const int edge = dev.Px(1), band = dev.Px(4);
    const int arm = std::max(std::min(r.width(), r.height()) / 3, 2 * (band + 2 * edge));
    const int thick = band + 2 * edge;
    // Two arms per corner, black first, green inside them.
    for (const bool right : {false, true})
        for (const bool bottom : {false, true}) {
            const int x = right ? r.right() + 1 - arm : r.left(), y = bottom ? r.bottom() + 1 - arm : r.top();
            const int xs = right ? r.right() + 1 - thick : r.left(), ys = bottom ? r.bottom() + 1 - thick : r.top();
            for (const QRect& a : {QRect(x, ys, arm, thick), QRect(xs, y, thick, arm)}) p.fillRect(a, Qt::black);
            for (const QRect& a : {QRect(x, ys, arm, thick), QRect(xs, y, thick, arm)})
                p.fillRect(Inset(a, edge), QColor(60, 230, 60));
        }
}

void PaintMisplacedMark(QPainter& p, const QRectF& box) {
    DevicePixels dev(p);
    const QRect r = dev.Snap(box);
    p.fillRect(r, QColor(255, 0, 170, 80));
    QBrush hatch(QColor(255, 255, 255, 200), Qt::BDiagPattern);
    p.fillRect(Inset(r, dev.Px(2)), hatch);
    Ring(p, r, dev.Px(1), Qt::black);
    Ring(p, Inset(r, dev.Px(1)), dev.Px(1), Qt::white);
}

void PaintHintDot(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double side = std::min(box.width(), box.height());
    const QRectF r(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    const double ring = std::max(1.0, side / 8);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(r);
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    p.setBrush(QColor(255, 110, 0));
    p.drawEllipse(r.adjusted(ring * 1.5, ring * 1.5, -ring * 1.5, -ring * 1.5));
    p.restore();
}

void PaintProgressBar(QPainter& p, const QRectF& trough, const QRectF& fill, const QColor& colour) {
    DevicePixels dev(p);
    const QRect t = dev.Snap(trough);
    p.fillRect(t, QColor(225, 225, 240));
    if (fill.width() > 0) p.fillRect(dev.Snap(fill), colour);
    Ring(p, t, dev.Px(1), QColor(90, 90, 120));
}

}  // namespace quilto::look
