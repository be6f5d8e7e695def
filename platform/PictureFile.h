#pragma once
// Reads a picture file through Qt's image readers, for the game: the first
// frame of an animated or multi-page file, turned as the file asks, in one of
// the two formats the board canvas paints fastest. Whatever is not a picture,
// is broken, or is larger than the limit is refused; wherever a file declares
// its size, before any pixel memory is taken.
#include <QImage>
#include <QString>

#include "platform/Platform.h"

namespace quilto {

struct PictureFile {
    LoadStatus status = LoadStatus::Failed;
    QImage image;  // Format_RGB32 or Format_ARGB32_Premultiplied when status is Ok
};

// Pictures of more than maxPixels pixels are refused as NotAPicture; a file
// that cannot be opened is Failed.
PictureFile ReadPictureFile(const QString& path, qint64 maxPixels);

}  // namespace quilto
