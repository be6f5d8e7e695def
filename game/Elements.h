#pragma once
// The main window's elements as plain data. Positions and sizes are window
// units (1/1440 inch, 15 per pixel at 96 dpi), single precision, as the
// window holds them. The board canvas paints these; the game only edits them.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quilto {

// Window units in one pixel at 96 dots per inch.
inline constexpr int kUnitsPerPixel = 15;

struct Box {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture an element shows: a rectangle of a loaded picture, in its pixels.
// Handle 0 is the empty picture.
using PictureHandle = std::int32_t;
constexpr PictureHandle kEmptyPicture = 0;

struct PixelRect {
    PictureId source = kNoPictureId;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The pictures of the current board. Exchanging two pieces exchanges two
// handles; the pixels stay where they are.
class PictureTable {
public:
    PictureTable() : rects_(1) {}
    PictureHandle Add(const PixelRect& r) {
        rects_.push_back(r);
        return static_cast<PictureHandle>(rects_.size() - 1);
    }
    const PixelRect& operator[](PictureHandle h) const { return rects_.at(static_cast<std::size_t>(h)); }
    std::size_t Size() const { return rects_.size(); }
    void Clear() { rects_.resize(1); }

private:
    std::vector<PixelRect> rects_;  // [0] is the empty picture
};

enum class ElementKind {
    Image,        // stretches its picture to its box
    FilledRect,   // a label used as a filled rectangle
    Text,         // a label with centred text
    RectOutline,  // a rectangle shape
    Circle,       // a circle shape
};

// The mouse pointer an element asks for while the pointer is over it or
// captured by it. The two drag pointers are hands drawn by the game itself.
enum class Cursor {
    Default,
    DragOverPiece,    // a dragged piece over a piece
    DragOverNothing,  // a dragged piece over no piece: the hand struck through
};

struct Element {
    ElementKind Kind = ElementKind::Image;
    Box box;
    bool Visible = false;
    std::int64_t Z = 0;  // higher is painted later (in front)
    PictureHandle Picture = kEmptyPicture;
    bool Border = false;  // thin single-line border
    Rgb BackColor{};
    Rgb ForeColor{};
    std::string Caption;
    float FontPoints = 0;
    bool Bold = false;
    Cursor Pointer = Cursor::Default;

    friend bool operator==(const Element&, const Element&) = default;
};

struct Timer {
    bool Enabled = false;
    int IntervalMs = 100;
};

// The elements of the main window that the game drives.
struct Window {
    Element Label1;               // board frame
    Element Image2;               // finished picture
    Element Label3;               // busy caption
    Element Label4;               // slippery-pieces bar
    Element Shape1;               // selection frame / hint frame
    Element Shape3;               // hint dot
    Element Shape5;               // drop frame
    Element Puente;               // scratch picture of an exchange
    Element Vacio;                // the empty picture of the sliding board's slot
    std::vector<Element> Image1;  // [0] hidden template, [1..PieceCount] the board
    std::vector<Element> Shape2;  // [0] template of the misplaced marks
    std::vector<Box> Shape4;      // outlines of the irregular layout
    Timer Timer1;
    // Shape1 frames a hint (F6) rather than the grabbed piece; the two look
    // different on the screen.
    bool Shape1IsHint = false;

    // Outer size of the maximized window, window units.
    float Width = 0, Height = 0;

    // The element of board position p.
    Element& Piece(int p) { return Image1[static_cast<std::size_t>(p)]; }
    const Element& Piece(int p) const { return Image1[static_cast<std::size_t>(p)]; }

    void BringToFront(Element& e) { e.Z = ++topZ_; }
    void SendToBack(Element& e) { e.Z = --bottomZ_; }
    // A new element copies the template, its place in the z-order included,
    // so the pieces lie where the template lies: under the overlays.
    static Element NewFromTemplate(const Element& tmpl) {
        Element e = tmpl;
        e.Visible = false;
        return e;
    }

private:
    std::int64_t topZ_ = 0;
    std::int64_t bottomZ_ = 0;
};

}  // namespace quilto
