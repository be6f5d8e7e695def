// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the board's overlays look. Each is drawn in whole device pixels, so it
// stays crisp at any screen scale, and pairs a bright colour with a dark
// edge, so it shows on light and dark pictures alike. They differ in colour,
// line pattern and shape, so they can be told apart without colour vision.
#include <QPainter>
#include <QRectF>

namespace quilto::look {

// The selection and hint frame: solid yellow between black edges.
void PaintSelectionFrame(QPainter& p, const QRectF& box);
// The hint frame: orange and white dots between black edges.
void PaintHintFrame(QPainter& p, const QRectF& box);
// The drop frame: cyan and black dashes between white edges.
void PaintDropFrame(QPainter& p, const QRectF& box);
// The keyboard cursor: green corner brackets with black edges, the frame's
// sides left open.
void PaintKeyCursor(QPainter& p, const QRectF& box);
// A misplaced piece (F7): a magenta tint crossed by white hatching, with a
// black and white outline.
void PaintMisplacedMark(QPainter& p, const QRectF& box);
// The hint dot: an orange disc in a white ring in a black ring.
void PaintHintDot(QPainter& p, const QRectF& box);
// The slippery bar: a pale sunken trough the width of the board, filled from
// the left with the bar's colour.
void PaintProgressBar(QPainter& p, const QRectF& trough, const QRectF& fill, const QColor& colour);

}  // namespace quilto::look
