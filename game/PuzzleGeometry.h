// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arithmetic of a new puzzle as pure functions of their inputs: the
// part of the picture the board uses, the regular cell brought down to whole
// pixels, the rectangle of the picture each piece shows, and where the busy
// caption goes. Positions and sizes of the window are window units, those of
// the picture its pixels; whole numbers round halves to the even neighbour.
#include <cstdint>

#include "game/Elements.h"
#include "settings/Settings.h"

namespace quilto {

// A piece would be smaller than one pixel of the picture or of the screen:
// the board is too large.
struct BoardTooLarge {};

// Throws BoardTooLarge when a box of this size is under one screen pixel
// either way.
void RequireVisibleSize(float width, float height);

// The aspect of one regular cell of the frame: (width / columns) / (height /
// rows), in double precision.
double CellAspect(const Box& frame, int columns, int rows);

// The part of the loaded picture the board uses: one regular cell and the
// offset of the top-left corner, in picture pixels.
struct PictureFit {
    double CellW = 0, CellH = 0;
    std::int32_t OffX = 0, OffY = 0;
};

// By FitMode: 1 stretches the whole picture; 2, 3 and 4 keep the cell aspect
// and take the top or left, central, or bottom or right band of it.
PictureFit FitPicture(const Settings& s, std::int32_t picW, std::int32_t picH, const Box& frame, double cellAspect);

// The regular cell: the board area divided into columns x rows. When its
// height does not fall on whole pixels it is lowered until it does, and the
// width follows at the cell aspect (Lowered). Throws BoardTooLarge for a
// cell under one screen pixel.
struct SnappedCell {
    float Width = 0, Height = 0;
    bool Lowered = false;
};
SnappedCell SnapCellToPixels(float areaWidth, float areaHeight, int columns, int rows, double cellAspect);

// The rectangles of the picture, without their source picture: the finished
// picture, the piece of a regular board in column c and row r (from 0), and
// the piece of an irregular board whose outline lies in the frame of
// `units` units per side.
PixelRect FinishedPictureRect(const PictureFit& fit, int columns, int rows);
PixelRect RegularPieceRect(const PictureFit& fit, int c, int r);
PixelRect IrregularPieceRect(const PictureFit& fit, const Box& outline, const Box& frame, int units);

// A rectangle that runs past the right or bottom edge by rounding is cut
// back to the edge.
PixelRect ClampToPicture(PixelRect r, std::int32_t picW, std::int32_t picH);

// The box of a regular board's piece in column c and row r: placed by the
// snapped cell, sized width x height.
Box RegularPieceBox(const Box& cell, float width, float height, int c, int r);

// box moved so that it is centred on frame.
Box CentredOn(const Box& frame, Box box);

}  // namespace quilto
