// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

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

// What an element is, which is how the canvas paints it.
enum class ElementKind {
    Image,           // stretches its picture to its box
    FilledRect,      // a label used as a filled rectangle
    Bar,             // a filled rectangle growing from the left in a trough the width of the board frame
    Text,            // a label with centred text
    SelectionFrame,  // a rectangle shape framing the grabbed piece
    HintFrame,       // the same shape framing the piece of a hint
    DropFrame,       // a rectangle shape framing the piece a drag trades with
    HintDot,         // a circle shape where the hinted piece belongs
    MisplacedMark,   // a rectangle shape covering a misplaced piece
    KeyCursor,       // a rectangle shape framing the piece the keyboard is on
};

// Images and labels take pointer events; shapes let the pointer through.
inline bool TakesPointer(ElementKind k) {
    return k == ElementKind::Image || k == ElementKind::FilledRect || k == ElementKind::Bar ||
           k == ElementKind::Text;
}

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

// Whether the timer runs is not kept here: Timer1Runs (game/Slippery.h)
// decides it from the game's state.
struct Timer {
    int IntervalMs = 100;
};

// The elements of the main window that the game drives.
struct Window {
    Element Label1;               // the board frame
    Element Image2;               // the finished picture
    Element Label3;               // the busy caption "CREANDO PUZZLE..."
    Element Label4;               // the slippery-pieces bar
    Element Shape1;               // the selection frame, or the hint frame (its kind says which)
    Element Shape3;               // the hint dot
    Element Shape5;               // the drop frame
    Element KeyFrame;             // the keyboard cursor
    Element Puente;               // the scratch picture of an exchange
    Element Vacio;                // the empty picture of the sliding board's slot
    std::vector<Element> Image1;  // the pieces: [0] hidden template, [1..PieceCount] the board
    std::vector<Element> Shape2;  // the F7 marks: [0] their template
    std::vector<Box> Shape4;      // the outlines of the irregular layout
    Timer Timer1;                 // the slippery-pieces tick

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
