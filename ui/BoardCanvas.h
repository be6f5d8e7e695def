#pragma once
// The board canvas: one widget that paints every element of the main window
// in z-order from the one loaded picture. Pieces are source rectangles of
// that picture stretched to their boxes; no pixels are copied per piece.
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "game/GameState.h"

namespace quilto {

class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    using PictureLookup = std::function<const QImage&(PictureId)>;

    BoardCanvas(const GameState& g, PictureLookup pictures, QWidget* parent = nullptr);

    // Schedules the repaint of whatever changed since the last call.
    void Sync();

    // Window units to this widget's logical pixels.
    static QRectF ToPixels(const Box& b);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What one element looked like when it was last scheduled.
    struct Seen {
        Element look;
        PixelRect picture;  // what the element's picture handle stood for
        friend bool operator==(const Seen&, const Seen&) = default;
    };

    std::vector<const Element*> PaintedElements() const;
    std::vector<const Element*> ElementsInZOrder() const;
    void Snapshot(std::vector<Seen>& out) const;
    void PaintElement(QPainter& p, const Element& e) const;

    const GameState& g_;
    PictureLookup pictures_;
    std::vector<Seen> seen_;
};

}  // namespace quilto
