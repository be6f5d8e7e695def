#include "ui/BoardCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

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

// Every element the canvas shows, in the window's own order.
std::vector<const Element*> BoardCanvas::PaintedElements() const {
    const Window& w = g_.win;
    std::vector<const Element*> all;
    all.reserve(w.Image1.size() + w.Shape2.size() + 8);
    for (const Element* e : {&w.Label1, &w.Image2, &w.Label3, &w.Label4, &w.Shape1, &w.Shape3, &w.Shape5})
        all.push_back(e);
    for (std::size_t i = 1; i < w.Image1.size(); ++i) all.push_back(&w.Image1[i]);
    for (std::size_t i = 1; i < w.Shape2.size(); ++i) all.push_back(&w.Shape2[i]);
    return all;
}

std::vector<const Element*> BoardCanvas::ElementsInZOrder() const {
    std::vector<const Element*> all = PaintedElements();
    std::stable_sort(all.begin(), all.end(), [](const Element* a, const Element* b) { return a->Z < b->Z; });
    return all;
}

void BoardCanvas::Snapshot(std::vector<Seen>& out) const {
    out.clear();
    for (const Element* e : PaintedElements()) {
        Seen s{*e, {}};
        if (e->Picture != kEmptyPicture && static_cast<std::size_t>(e->Picture) < g_.pictures.Size())
            s.picture = g_.pictures[e->Picture];
        out.push_back(s);
    }
}

void BoardCanvas::Sync() {
    std::vector<Seen> now;
    now.reserve(seen_.size());
    Snapshot(now);
    if (now.size() != seen_.size()) {
        update();
    } else {
        QRegion dirty;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == seen_[i]) continue;
            // A change of z-order or a box may uncover what lies behind the
            // old box, so both boxes are repainted.
            dirty += ToPixels(seen_[i].look.box).toAlignedRect().adjusted(-1, -1, 1, 1);
            dirty += ToPixels(now[i].look.box).toAlignedRect().adjusted(-1, -1, 1, 1);
        }
        if (!dirty.isEmpty()) update(dirty);
    }
    seen_.swap(now);
}

void BoardCanvas::PaintElement(QPainter& p, const Element& e) const {
    const QRectF r = ToPixels(e.box);
    switch (e.Kind) {
        case ElementKind::FilledRect:
            p.fillRect(r, ToColor(e.BackColor));
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
        case ElementKind::Image: {
            if (e.Picture != kEmptyPicture && static_cast<std::size_t>(e.Picture) < g_.pictures.Size()) {
                const PixelRect& src = g_.pictures[e.Picture];
                const QImage& image = pictures_(src.source);
                if (!image.isNull()) p.drawImage(r, image, QRectF(src.Left, src.Top, src.Width, src.Height));
            }
            if (e.Border) {
                // One device pixel wide, inside the box on every side.
                const qreal px = 1 / p.device()->devicePixelRatioF();
                p.setPen(QPen(Qt::black, 0));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(0, 0, -px, -px));
            }
            break;
        }
        case ElementKind::RectOutline:
            p.setPen(QPen(ToColor(e.ForeColor), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(1, 1, -1, -1));
            break;
        case ElementKind::Circle:
            p.setPen(QPen(ToColor(e.ForeColor), 1));
            p.setBrush(ToColor(e.BackColor));
            p.drawEllipse(r);
            break;
    }
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), palette().window());
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF area = event->rect();
    for (const Element* e : ElementsInZOrder()) {
        if (!e->Visible) continue;
        const QRectF r = ToPixels(e->box);
        if (!r.intersects(area)) continue;
        PaintElement(p, *e);
    }
}

}  // namespace quilto
