// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two pointers of a drag, drawn by the program itself: 32 x 32 with the
// hot spot at the fingertip (column 3, row 0).
#include <QCursor>

#include "game/Elements.h"

namespace quilto {

// The picture of a drag pointer at the given device pixel ratio: a pointing
// hand, struck through by a diagonal bar when over no piece.
QPixmap DragCursorPicture(bool overPiece, qreal devicePixelRatio);

// The Qt cursor for a pointer the game asks for.
QCursor ToQCursor(Cursor c, qreal devicePixelRatio = 1);

}  // namespace quilto
