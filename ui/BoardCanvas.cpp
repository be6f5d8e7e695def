// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "game/PointerPlay.h"
#include "game/Stacking.h"
#include "ui/OverlayLook.h"

namespace quilto {
namespace {

QColor ToColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

BoardCanvas::BoardCanvas(const GameState& g, PictureLookup pictures, QWidget* parent)
    : QWidget(parent), g_(g), pictures_(std::move(pictures)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

QRectF BoardCanvas::ToPixels(const Box& b) {
    constexpr double unit = kUnitsPerPixel;
    return {b.Left / unit, b.Top / unit, b.Width / unit, b.Height / unit};
}

QPointF BoardCanvas::ToUnits(QPointF pixels) {
    return pixels * kUnitsPerPixel;
}

int BoardCanvas::GameButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

void BoardCanvas::Snapshot(std::vector<Seen>& out) const {
    out.clear();
    for (const StackedElement& stacked : WindowElements(g_.win)) {
        const Element& e = *stacked.element;
        Seen s{e, {}};
        s.look.Pointer = Cursor::Default;  // the pointer is not painted
        if (e.Picture != kEmptyPicture && static_cast<std::size_t>(e.Picture) < g_.pictures.Size())
            s.picture = g_.pictures[e.Picture];
        out.push_back(s);
    }
}

QRectF BoardCanvas::PaintedArea(const Element& e) const {
    QRectF r = ToPixels(e.box);
    // A bar's trough runs the width of the board frame.
    if (e.Kind == ElementKind::Bar) r.setWidth(std::max(r.width(), ToPixels(g_.win.Label1.box).width()));
    return r;
}

QRegion BoardCanvas::Sync() {
    std::vector<Seen> now;
    now.reserve(seen_.size());
    Snapshot(now);
    QRegion dirty;
    if (now.size() != seen_.size()) {
        dirty = rect();
    } else {
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == seen_[i]) continue;
            // A change of z-order or a box may uncover what lies behind the
            // old box, so both boxes are repainted.
            dirty += PaintedArea(seen_[i].look).toAlignedRect().adjusted(-1, -1, 1, 1);
            dirty += PaintedArea(now[i].look).toAlignedRect().adjusted(-1, -1, 1, 1);
        }
    }
    if (!dirty.isEmpty()) update(dirty);
    seen_.swap(now);
    return dirty;
}

void BoardCanvas::PaintPicture(QPainter& p, const Element& e, const QRectF& r) const {
    if (e.Picture != kEmptyPicture && static_cast<std::size_t>(e.Picture) < g_.pictures.Size()) {
        const PixelRect& src = g_.pictures[e.Picture];
        if (!scaled_.Draw(p, r, src)) {
            const DecodedPicture& picture = pictures_(src.source);
            if (!picture.image.isNull())
                p.drawImage(r, picture.image, picture.ToDecoded(QRectF(src.Left, src.Top, src.Width, src.Height)));
        }
    }
    if (e.Border) {
        // One device pixel wide, inside the box on every side.
        const qreal px = 1 / p.device()->devicePixelRatioF();
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -px, -px));
    }
}

void BoardCanvas::PaintElement(QPainter& p, const Element& e) const {
    const QRectF r = ToPixels(e.box);
    switch (e.Kind) {
        case ElementKind::Image:
            PaintPicture(p, e, r);
            break;
        case ElementKind::FilledRect:
            p.fillRect(r, ToColor(e.BackColor));
            break;
        case ElementKind::Bar:
            look::PaintProgressBar(p, PaintedArea(e), r, ToColor(e.BackColor));
            break;
        case ElementKind::Text: {
            p.fillRect(r, ToColor(e.BackColor));
            QFont f = font();
            if (e.FontPoints > 0) f.setPointSizeF(e.FontPoints);
            f.setBold(e.Bold);
            p.setFont(f);
            p.setPen(ToColor(e.ForeColor));
            p.drawText(r, Qt::AlignCenter, QString::fromStdString(e.Caption));
            break;
        }
        case ElementKind::SelectionFrame:
            look::PaintSelectionFrame(p, r);
            break;
        case ElementKind::HintFrame:
            look::PaintHintFrame(p, r);
            break;
        case ElementKind::DropFrame:
            look::PaintDropFrame(p, r);
            break;
        case ElementKind::HintDot:
            look::PaintHintDot(p, r);
            break;
        case ElementKind::MisplacedMark:
            look::PaintMisplacedMark(p, r);
            break;
        case ElementKind::KeyCursor:
            look::PaintKeyCursor(p, r);
            break;
    }
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    scaled_.Update(g_, pictures_, p.device()->devicePixelRatioF());
    p.fillRect(event->rect(), palette().window());
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // The region, not its bounding rectangle: two changes far apart must not
    // repaint the whole board between them.
    const QRegion& area = event->region();
    for (const StackedElement& stacked : StackingOrder(g_.win)) {
        const Element& e = *stacked.element;
        if (!e.Visible || !area.intersects(PaintedArea(e).toAlignedRect())) continue;
        PaintElement(p, e);
    }
}

void BoardCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaled_.Reserve(size() * devicePixelRatioF());
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
    const int button = GameButton(event->button());
    if (button == 0) return;
    const Qt::MouseButtons gameButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    const bool othersHeld = (event->buttons() & gameButtons & ~event->button()) != 0;
    emit pointerPressed(button, othersHeld, ToUnits(event->position()));
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(ToUnits(event->position()));
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const int button = GameButton(event->button());
    if (button == 0) return;
    emit pointerReleased(button, ToUnits(event->position()));
}

}  // namespace quilto
