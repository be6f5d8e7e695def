#include "platform/ReaderGuards.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <string_view>

namespace quilto {
namespace {

// The readers of Qt and of its image-formats package, every one fuzzed through
// this loader (fuzz/fuzz_picture.cpp); a reader that another package adds to
// Qt is not trusted with hostile files. MNG stays out: libmng sizes its own
// buffers from the images inside the file, where Qt's allocation limit does
// not reach (a 173-byte file declaring a 30000 x 30000 inner image took
// 2.6 GB and twenty seconds).
constexpr std::array<std::string_view, 18> kTrustedFormats = {
    "bmp", "cur", "gif", "icns", "ico", "jpeg", "jpg", "pbm", "pgm",
    "png", "ppm", "tga", "tif", "tiff", "wbmp", "webp", "xbm", "xpm",
};

bool Trusted(const QByteArray& format) {
    const std::string_view name(format.constData(), std::size_t(format.size()));
    return std::find(kTrustedFormats.begin(), kTrustedFormats.end(), name) != kTrustedFormats.end();
}

QByteArray ReadAt(QIODevice& file, qint64 offset, qint64 count) {
    return file.seek(offset) ? file.read(count) : QByteArray();
}

// Qt's TGA reader fetches every pixel with its own read call and carries on
// past the end of a cut-off file at one system call per pixel: a 52-byte file
// declaring 16 x 55551 pixels kept it busy for seconds, and at the game's size
// limit it would be most of an hour. A TGA file must hold all it declares: the
// header, the image identifier, the colour map, the pixels and the footer.
bool TgaHoldsItsPixels(QIODevice& file) {
    constexpr qint64 kHeaderSize = 18, kFooterSize = 26;
    const QByteArray header = ReadAt(file, 0, kHeaderSize);
    if (header.size() != kHeaderSize) return false;
    auto byte = [&header](int i) { return qint64(quint8(header[i])); };
    auto word = [&byte](int i) { return byte(i) | byte(i + 1) << 8; };
    auto bytesPer = [](qint64 bits) { return (bits + 7) / 8; };
    const qint64 colourMap = byte(1) == 1 ? word(5) * bytesPer(byte(7)) : 0;
    const qint64 pixels = word(12) * word(14) * bytesPer(byte(16));
    return file.size() >= kHeaderSize + byte(0) + colourMap + pixels + kFooterSize;
}

// Qt's ICNS reader takes each icon's length from its block or from the table
// of contents and allocates that much before reading it: a 288-byte file asked
// for 2 GiB. Every block, and every length in the table, must fit in the file.
bool IcnsLengthsFitTheFile(QIODevice& file) {
    constexpr qint64 kBlockHeaderSize = 8;
    const qint64 size = file.size();
    auto length = [](const QByteArray& header) { return qint64(qFromBigEndian<quint32>(header.constData() + 4)); };
    const QByteArray container = ReadAt(file, 0, kBlockHeaderSize);
    if (container.size() != kBlockHeaderSize || length(container) > size) return false;
    for (qint64 at = kBlockHeaderSize; at + kBlockHeaderSize <= size;) {
        const QByteArray block = ReadAt(file, at, kBlockHeaderSize);
        if (block.size() != kBlockHeaderSize || length(block) < kBlockHeaderSize || at + length(block) > size)
            return false;
        if (block.startsWith("TOC ")) {
            const QByteArray table = ReadAt(file, at + kBlockHeaderSize, length(block) - kBlockHeaderSize);
            for (qsizetype entry = 0; entry + kBlockHeaderSize <= table.size(); entry += kBlockHeaderSize) {
                const qint64 declared = length(table.mid(entry, kBlockHeaderSize));
                if (declared < kBlockHeaderSize || declared > size) return false;
            }
        }
        at += length(block);
    }
    return true;
}

}  // namespace

bool SafeToRead(const QByteArray& format, QIODevice& file) {
    if (!Trusted(format)) return false;
    const qint64 position = file.pos();
    bool safe = true;
    if (format == "tga")
        safe = TgaHoldsItsPixels(file);
    else if (format == "icns")
        safe = IcnsLengthsFitTheFile(file);
    file.seek(position);
    return safe;
}

}  // namespace quilto
