// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PuzzleGeometry.h"

#include "game/Numbers.h"

namespace quilto {

void RequireVisibleSize(float width, float height) {
    if (!(width >= kUnitsPerPixel && height >= kUnitsPerPixel)) throw BoardTooLarge{};
}

double CellAspect(const Box& frame, int columns, int rows) {
    return (static_cast<double>(frame.Width) / columns) / (static_cast<double>(frame.Height) / rows);
}

PictureFit FitPicture(const Settings& s, std::int32_t picW, std::int32_t picH, const Box& frame, double cellAspect) {
    PictureFit fit;
    if (s.FitMode == 1) {  // the whole picture, stretched to the board
        fit.CellW = static_cast<double>(picW) / s.Columns;
        fit.CellH = static_cast<double>(picH) / s.Rows;
        return fit;
    }
    // Both aspects are compared in single precision, as the window holds them.
    const float picAspect = static_cast<float>(picW) / static_cast<float>(picH);
    const float frameAspect = frame.Width / frame.Height;
    if (picAspect < frameAspect) {  // narrower: full width, a band of the height
        fit.CellW = static_cast<double>(picW) / s.Columns;
        fit.CellH = fit.CellW / cellAspect;
        const double spare = picH - static_cast<double>(frame.Height) / frame.Width * picW;
        if (s.FitMode == 3) fit.OffY = ToInt32(spare / 2);
        if (s.FitMode == 4) fit.OffY = ToInt32(spare);
    } else {  // wider: full height, a band of the width
        fit.CellH = static_cast<double>(picH) / s.Rows;
        fit.CellW = fit.CellH * cellAspect;
        const double spare = picW - static_cast<double>(frame.Width) / frame.Height * picH;
        if (s.FitMode == 3) fit.OffX = ToInt32(spare / 2);
        if (s.FitMode == 4) fit.OffX = ToInt32(spare);
    }
    return fit;
}

SnappedCell SnapCellToPixels(float areaWidth, float areaHeight, int columns, int rows, double cellAspect) {
    SnappedCell cell{areaWidth / static_cast<float>(columns), areaHeight / static_cast<float>(rows), false};
    RequireVisibleSize(cell.Width, cell.Height);
    if (ToInt32(cell.Height) % 15 == 0) return cell;
    // Cells of 15.5 to 28.5 units round to even numbers only and can come
    // down to half a unit.
    cell.Height = LowerToWholePixels(cell.Height);
    cell.Width = static_cast<float>(cell.Height * cellAspect);
    cell.Lowered = true;
    RequireVisibleSize(cell.Width, cell.Height);
    return cell;
}

PixelRect FinishedPictureRect(const PictureFit& fit, int columns, int rows) {
    return {kNoPictureId, fit.OffX, fit.OffY, ToInt32(columns * fit.CellW), ToInt32(rows * fit.CellH)};
}

PixelRect RegularPieceRect(const PictureFit& fit, int c, int r) {
    return {kNoPictureId, ToInt32(c * fit.CellW + fit.OffX), ToInt32(r * fit.CellH + fit.OffY), ToInt32(fit.CellW),
            ToInt32(fit.CellH)};
}

PixelRect IrregularPieceRect(const PictureFit& fit, const Box& outline, const Box& frame, int units) {
    // The outline's place in the frame, scaled to the picture's band.
    const double left = (static_cast<double>(outline.Left) - frame.Left) * units * fit.CellW / frame.Width + fit.OffX;
    const double top = (static_cast<double>(outline.Top) - frame.Top) * units * fit.CellH / frame.Height + fit.OffY;
    const double width = units * fit.CellW * outline.Width / frame.Width;
    const double height = units * fit.CellH * outline.Height / frame.Height;
    return {kNoPictureId, ToInt32(left), ToInt32(top), ToInt32(width), ToInt32(height)};
}

PixelRect ClampToPicture(PixelRect r, std::int32_t picW, std::int32_t picH) {
    if (r.Left + r.Width > picW) r.Width = picW - r.Left;
    if (r.Top + r.Height > picH) r.Height = picH - r.Top;
    return r;
}

Box RegularPieceBox(const Box& cell, float width, float height, int c, int r) {
    return {cell.Left + static_cast<float>(c) * cell.Width, cell.Top + static_cast<float>(r) * cell.Height, width,
            height};
}

Box CentredOn(const Box& frame, Box box) {
    box.Left = (frame.Width - box.Width) / 2 + frame.Left;
    box.Top = (frame.Height - box.Height) / 2 + frame.Top;
    return box;
}

}  // namespace quilto
