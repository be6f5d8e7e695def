// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BoardElements.h"

#include "game/PointerPlay.h"

namespace quilto {
namespace {

// The picture of one piece, which must cover at least one picture pixel.
PictureHandle CutPiece(GameState& g, PixelRect wanted) {
    wanted.source = g.PicClip1.id();
    const PixelRect r = ClampToPicture(wanted, g.PicClip1.width(), g.PicClip1.height());
    if (r.Width < 1 || r.Height < 1) throw BoardTooLarge{};
    return g.pictures.Add(r);
}

void CutRegularBoard(GameState& g, const PictureFit& fit) {
    const Settings& s = g.settings;
    const Element tmpl = g.win.Image1[0];
    // Every element has the unsnapped cell size; the grid steps by the
    // snapped template.
    const float height = g.win.Image2.box.Height / s.Rows;
    const float width = g.win.Image2.box.Width / s.Columns;
    int c = 0, r = 0;
    for (int i = 1; i <= g.PieceCount; ++i) {
        Element e = Window::NewFromTemplate(tmpl);
        e.Picture = CutPiece(g, RegularPieceRect(fit, c, r));
        e.box = RegularPieceBox(tmpl.box, width, height, c, r);
        g.win.Image1.push_back(e);
        if (++c == s.Columns) {
            c = 0;
            ++r;
        }
    }
}

void CutIrregularBoard(GameState& g, const PictureFit& fit) {
    const Element tmpl = g.win.Image1[0];
    const Box frame = g.win.Label1.box;
    for (int i = 1; i <= g.PieceCount; ++i) {
        const Box& outline = g.win.Shape4.at(static_cast<std::size_t>(i - 1));
        RequireVisibleSize(outline.Width, outline.Height);
        Element e = Window::NewFromTemplate(tmpl);
        e.Picture = CutPiece(g, IrregularPieceRect(fit, outline, frame, g.GridSize));
        e.box = outline;
        g.win.Image1.push_back(e);
    }
}

}  // namespace

void ClearBoard(GameState& g) {
    g.fPlaying = false;
    g.fWon = false;
    EndDrag(g);
    Window& w = g.win;
    w.Image1.erase(w.Image1.begin() + 1, w.Image1.end());
    w.Shape1.Visible = w.Shape3.Visible = w.Shape5.Visible = w.KeyFrame.Visible = false;
    g.KeySlot = 0;  // the next arrow starts again from the board's centre
    w.Shape2.resize(1);
    g.fKeyMoving = false;
    w.Image2.Visible = false;
    w.Image2.Picture = kEmptyPicture;
    g.fPeeking = false;
    w.Puente.Picture = kEmptyPicture;
    g.pictures.Clear();
    ++g.BoardSerial;
}

void CutPieces(GameState& g, const PictureFit& fit) {
    g.win.Image1.reserve(static_cast<std::size_t>(g.PieceCount) + 1);
    if (g.settings.fIrregular)
        CutIrregularBoard(g, fit);
    else
        CutRegularBoard(g, fit);
}

}  // namespace quilto
