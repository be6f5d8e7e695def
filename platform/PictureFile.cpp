#include "platform/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

namespace quilto {
namespace {

// The readers pictures are taken from: Qt's own and those of the image-formats
// package, every one fuzzed through this loader (fuzz/fuzz_picture.cpp). A
// reader that another package adds to Qt is not trusted with hostile files.
// MNG stays out: libmng sizes its own buffers from the images inside the file,
// where Qt's allocation limit does not reach (a 170-byte file declaring a
// 30000 x 30000 inner image took 2.6 GB and twenty seconds).
constexpr std::array<std::string_view, 18> kTrustedFormats = {
    "bmp", "cur", "gif", "icns", "ico", "jpeg", "jpg", "pbm", "pgm",
    "png", "ppm", "tga", "tif", "tiff", "wbmp", "webp", "xbm", "xpm",
};

bool Trusted(const QByteArray& format) {
    return std::find(kTrustedFormats.begin(), kTrustedFormats.end(),
                     std::string_view(format.constData(), std::size_t(format.size()))) != kTrustedFormats.end();
}

// Qt's TGA reader fetches every pixel with its own read call and carries on
// past the end of a cut-off file at one system call per pixel: a 52-byte file
// declaring 16 x 55551 pixels kept it busy for seconds, and at the full size
// limit it would be most of an hour. A TGA file must hold all that it declares:
// the header, the image identifier, the colour map, the pixels and the footer.
bool TgaHoldsItsPixels(QFile& file) {
    constexpr qint64 kHeaderSize = 18, kFooterSize = 26;
    const qint64 at = file.pos();
    const QByteArray header = file.seek(0) ? file.read(kHeaderSize) : QByteArray();
    file.seek(at);
    if (header.size() != kHeaderSize) return false;
    auto byte = [&header](int i) { return qint64(quint8(header[i])); };
    auto word = [&byte](int i) { return byte(i) | byte(i + 1) << 8; };
    const auto bytesPer = [](qint64 bits) { return (bits + 7) / 8; };
    const qint64 colourMap = byte(1) == 1 ? word(5) * bytesPer(byte(7)) : 0;
    const qint64 pixels = word(12) * word(14) * bytesPer(byte(16));
    return file.size() >= kHeaderSize + byte(0) + colourMap + pixels + kFooterSize;
}

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
    const QByteArray format = reader.format();
    if (!Trusted(format)) return NotAPicture();
    if (format == "tga" && !TgaHoldsItsPixels(file)) return NotAPicture();
    // Most readers know the size from the header alone.
    if (const QSize declared = reader.size(); declared.isValid() && TooLarge(declared, maxPixels))
        return NotAPicture();
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
