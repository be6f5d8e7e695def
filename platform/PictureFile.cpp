// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <climits>
#include <mutex>

#include "platform/ReaderGuards.h"

namespace quilto {
namespace {

bool TooLarge(QSize size, qint64 maxPixels) {
    return qint64(size.width()) * size.height() > maxPixels;
}

PictureFile NotAPicture() {
    return {LoadStatus::NotAPicture, {}};
}

// libjpeg decodes at a number of eighths of the size (its DCT scaled down),
// so that the whole picture is never made. Halves, quarters and eighths are
// its fast and faithful scales; at the others it rebuilds colour less exactly
// (a tenth of the range off, on fine colour detail) and no faster. The
// smallest of them that still holds `kept`; `own` when none is smaller.
QSize JpegDecodeSize(const QByteArray& format, QSize own, QSize kept) {
    if (format != "jpeg" && format != "jpg") return own;
    for (const int eighths : {1, 2, 4}) {
        const QSize at((own.width() * eighths + 7) / 8, (own.height() * eighths + 7) / 8);
        if (at.width() >= kept.width() && at.height() >= kept.height()) return at;
    }
    return own;
}

}  // namespace

QSize DecodedSize(QSize own, QSize shown) {
    if (own.isEmpty() || shown.isEmpty()) return own;
    const qint64 w = own.width(), h = own.height(), sw = shown.width(), sh = shown.height();
    if (sw * h >= sh * w) {  // the width sets the scale; the height covers the rest
        if (sw >= w) return own;
        return {int(sw), int((h * sw + w - 1) / w)};
    }
    if (sh >= h) return own;
    return {int((w * sh + h - 1) / h), int(sh)};
}

PictureFile ReadPictureFile(const QString& path, qint64 maxPixels, QSize shown) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isReadable()) return {LoadStatus::Failed, {}};
    // Folders, devices and pipes (opening a pipe would wait for a writer).
    if (!info.isFile()) return NotAPicture();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {LoadStatus::Failed, {}};
    // The reader is chosen by the name's suffix first, then by the content.
    return ReadPicture(file, maxPixels, shown);
}

PictureFile ReadPictureBytes(const QByteArray& bytes, qint64 maxPixels, QSize shown) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {LoadStatus::Failed, {}};
    return ReadPicture(buffer, maxPixels, shown);
}

QSize DeclaredJpegSize(const QString& path, qint64 maxPixels) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead() || (reader.format() != "jpeg" && reader.format() != "jpg")) return {};
    const QSize declared = reader.size();
    if (!declared.isValid() || TooLarge(declared, maxPixels)) return {};
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? declared.transposed() : declared;
}

PictureFile ReadPicture(QIODevice& file, qint64 maxPixels, QSize shown) {
    // One decode at a time: the readers' allocation limit is one for the
    // whole program, and a picture may be decoding on another thread.
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return NotAPicture();
    if (!SafeToRead(reader.format(), file)) return NotAPicture();
    // Most readers know the size from the header alone.
    const QSize declared = reader.size();
    if (declared.isValid() && TooLarge(declared, maxPixels)) return NotAPicture();
    // The others, and canvases larger than the size declared (a GIF declares its
    // first frame), meet Qt's allocation limit: 4 bytes a pixel.
    QImageReader::setAllocationLimit(int(std::min<qint64>(maxPixels * 4 / (1024 * 1024) + 1, INT_MAX)));

    // A reader that scales as it decodes is asked for a smaller picture, in
    // the file's own orientation (it is turned afterwards).
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize declaredShown = turned ? declared.transposed() : declared;
    QSize asked;
    if (declared.isValid()) {
        const QSize at =
            JpegDecodeSize(reader.format(), declared, DecodedSize(declared, turned ? shown.transposed() : shown));
        if (at != declared) {
            reader.setScaledSize(at);
            asked = turned ? at.transposed() : at;
        }
    }

    QImage image;  // the first frame or page
    if (!reader.read(&image) || image.isNull() || TooLarge(image.size(), maxPixels)) return NotAPicture();
    // A reader that gave another size than asked gave the picture as it is.
    const QSize own = asked.isValid() && image.size() == asked ? declaredShown : image.size();
    // Turned into a painting format first: in place where it can be, and the
    // smooth scaling would make a premultiplied copy of the whole otherwise.
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) return NotAPicture();
    if (const QSize kept = DecodedSize(own, shown); kept != image.size()) {
        QImage smaller = image.scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!smaller.isNull()) image = std::move(smaller);
    }
    return {LoadStatus::Ok, DecodedPicture(std::move(image), own)};
}

}  // namespace quilto
