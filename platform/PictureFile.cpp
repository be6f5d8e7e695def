#include "platform/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <climits>

#include "platform/ReaderGuards.h"

namespace quilto {
namespace {

bool TooLarge(QSize size, qint64 maxPixels) {
    return qint64(size.width()) * size.height() > maxPixels;
}

PictureFile NotAPicture() {
    return {LoadStatus::NotAPicture, {}};
}

}  // namespace

PictureFile ReadPictureFile(const QString& path, qint64 maxPixels) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isReadable()) return {LoadStatus::Failed, {}};
    // Folders, devices and pipes (opening a pipe would wait for a writer).
    if (!info.isFile()) return NotAPicture();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {LoadStatus::Failed, {}};

    // The reader is chosen by the name's suffix first, then by the content.
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return NotAPicture();
    if (!SafeToRead(reader.format(), file)) return NotAPicture();
    // Most readers know the size from the header alone.
    if (const QSize declared = reader.size(); declared.isValid() && TooLarge(declared, maxPixels)) return NotAPicture();
    // The others, and canvases larger than the size declared (a GIF declares its
    // first frame), meet Qt's allocation limit: 4 bytes a pixel.
    QImageReader::setAllocationLimit(int(std::min<qint64>(maxPixels * 4 / (1024 * 1024) + 1, INT_MAX)));

    QImage image;  // the first frame or page
    if (!reader.read(&image) || image.isNull() || TooLarge(image.size(), maxPixels)) return NotAPicture();
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) return NotAPicture();
    return {LoadStatus::Ok, std::move(image)};
}

}  // namespace quilto
