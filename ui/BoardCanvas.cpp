#include "ui/BoardCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "game/PointerPlay.h"
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

bool BoardCanvas::IsMark(const Element& e) const {
    const auto& marks = g_.win.Shape2;
    return marks.size() > 1 && &e > marks.data() && &e < marks.data() + marks.size();
}

void BoardCanvas::Snapshot(std::vector<Seen>& out) const {
    out.clear();
    for (const Element* e : PaintedElements()) {
        Seen s{*e, {}, e == &g_.win.Shape1 && g_.win.Shape1IsHint};
        s.look.Pointer = Cursor::Default;  // the pointer is not painted
        if (e->Picture != kEmptyPicture && static_cast<std::size_t>(e->Picture) < g_.pictures.Size())
            s.picture = g_.pictures[e->Picture];
        out.push_back(s);
    }
}

QRectF BoardCanvas::PaintedArea(const Element& e) const {
    QRectF r = ToPixels(e.box);
    // The bar's trough runs the width of the board frame.
    if (&e == &g_.win.Label4) r.setWidth(std::max(r.width(), ToPixels(g_.win.Label1.box).width()));
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
    const Window& w = g_.win;
    if (&e == &w.Label4) {
        look::PaintProgressBar(p, PaintedArea(e), r, ToColor(e.BackColor));
    } else if (&e == &w.Shape1) {
        if (w.Shape1IsHint)
            look::PaintHintFrame(p, r);
        else
            look::PaintSelectionFrame(p, r);
    } else if (&e == &w.Shape5) {
        look::PaintDropFrame(p, r);
    } else if (&e == &w.Shape3) {
        look::PaintHintDot(p, r);
    } else if (IsMark(e)) {
        look::PaintMisplacedMark(p, r);
    } else if (e.Kind == ElementKind::FilledRect) {
        p.fillRect(r, ToColor(e.BackColor));
    } else if (e.Kind == ElementKind::Text) {
        p.fillRect(r, ToColor(e.BackColor));
        QFont f = font();
        if (e.FontPoints > 0) f.setPointSizeF(e.FontPoints);
        f.setBold(e.Bold);
        p.setFont(f);
        p.setPen(ToColor(e.ForeColor));
        p.drawText(r, Qt::AlignCenter, QString::fromStdString(e.Caption));
    } else if (e.Kind == ElementKind::Image) {
        PaintPicture(p, e, r);
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
    for (const Element* e : ElementsInZOrder()) {
        if (!e->Visible) continue;
        if (!area.intersects(PaintedArea(*e).toAlignedRect())) continue;
        PaintElement(p, *e);
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
