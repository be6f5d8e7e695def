// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a picture file through Qt's image readers, for the game: the first
// frame of an animated or multi-page file, turned as the file asks, in one of
// the two formats the board canvas paints fastest. Whatever is not a picture,
// is broken, or is larger than the limit is refused; wherever a file declares
// its size, before any pixel memory is taken. A picture larger than the
// screen shows it is kept smaller: shrunk once decoded, and a JPEG decoded by
// libjpeg itself at a half, a quarter or an eighth first.
#include <QSize>
#include <QString>

#include "platform/DecodedPicture.h"
#include "platform/Platform.h"

namespace quilto {

struct PictureFile {
    LoadStatus status = LoadStatus::Failed;
    // When status is Ok: Format_RGB32 or Format_ARGB32_Premultiplied pixels.
    DecodedPicture picture;
};

// The size a picture of `own` pixels is kept at when no part of it is ever
// shown larger than stretched or fitted to `shown` device pixels: the scale at
// which it covers `shown` (every fit of the board cuts a band at most that
// scale), never above 1. An empty `shown` keeps every pixel.
QSize DecodedSize(QSize own, QSize shown);

// Pictures of more than maxPixels pixels are refused as NotAPicture; a file
// that cannot be opened is Failed. The limit holds for the picture's own size
// and for whatever a reader decodes.
PictureFile ReadPictureFile(const QString& path, qint64 maxPixels, QSize shown = {});
// The same for a picture file's bytes (the picture a saved game carries).
PictureFile ReadPictureBytes(const QByteArray& bytes, qint64 maxPixels, QSize shown = {});
// The size a JPEG file's header declares, as the picture is shown (turned
// as the file asks), when the file passes every check made before decoding;
// an empty size for any other file.
QSize DeclaredJpegSize(const QString& path, qint64 maxPixels);

// The same for an open device, read from its current position.
PictureFile ReadPicture(QIODevice& device, qint64 maxPixels, QSize shown = {});

}  // namespace quilto
