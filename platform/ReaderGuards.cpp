// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReaderGuards.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quilto {
namespace {

// The readers of Qt and of its image-formats package, every one fuzzed through
// this loader (fuzz/fuzz_picture.cpp); a reader that another package adds to
// Qt is not trusted with hostile files. Two stay out. MNG: libmng sizes its
// own buffers from the images inside the file, where Qt's allocation limit
// does not reach (a 173-byte file declaring a 30000 x 30000 inner image took
// 2.6 GB and twenty seconds). ICNS: Qt's reader allocates each icon's length
// as the file's table of contents gives it before reading (a 288-byte file
// asked for 2 GiB), and hands icons stored as PNG to libpng unchecked.
constexpr std::array<std::string_view, 17> kTrustedFormats = {
    "bmp", "cur", "gif", "ico",  "jpeg", "jpg",  "pbm", "pgm", "png",
    "ppm", "tga", "tif", "tiff", "wbmp", "webp", "xbm", "xpm",
};

bool Trusted(const QByteArray& format) {
    const std::string_view name(format.constData(), std::size_t(format.size()));
    return std::find(kTrustedFormats.begin(), kTrustedFormats.end(), name) != kTrustedFormats.end();
}

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

QByteArray ReadAt(QIODevice& file, qint64 offset, qint64 count) {
    return file.seek(offset) ? file.read(count) : QByteArray();
}

// Byte by byte, so that no compiler takes the read for one past the array.
quint32 Byte(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes.at(at));
}

qint64 BigEndian32(const QByteArray& bytes, qsizetype at) {
    return qint64(Byte(bytes, at) << 24 | Byte(bytes, at + 1) << 16 | Byte(bytes, at + 2) << 8 | Byte(bytes, at + 3));
}

qint64 LittleEndian32(const QByteArray& bytes, qsizetype at) {
    return qint64(Byte(bytes, at + 3) << 24 | Byte(bytes, at + 2) << 16 | Byte(bytes, at + 1) << 8 | Byte(bytes, at));
}

// Qt's TGA reader fetches every byte with its own read call and carries on
// past the end of a cut-off file at one system call per byte: a 52-byte file
// declaring 16 x 55551 pixels kept it busy for 3.5 s (at the game's size limit
// it would be twenty minutes), a 74-byte one with a colour map sized 244 x
// 64000 for 25 s. The file must hold what the reader reads: the header, then
// the identifier and the colour map, which Qt 6.4 skips twice, sizing the map
// as its length times the 16 bits from its depth byte on, then the pixels.
// The doubled identifier may overrun a valid file by up to 255 bytes; so few
// extra calls do no harm.
bool TgaHoldsWhatIsRead(QIODevice& file) {
    constexpr qint64 kHeaderSize = 18, kLongestIdentifier = 255;
    const QByteArray header = ReadAt(file, 0, kHeaderSize);
    if (header.size() != kHeaderSize) return false;
    auto byte = [&header](int i) { return qint64(quint8(header[i])); };
    auto word = [&byte](int i) { return byte(i) | byte(i + 1) << 8; };
    const qint64 skipped = byte(0) + (byte(1) == 1 ? word(5) * word(7) : 0);
    const qint64 pixels = word(12) * word(14) * ((byte(16) + 7) / 8);
    return kHeaderSize + 2 * skipped + pixels <= file.size() + kLongestIdentifier;
}

// libpng takes a chunk's length from the file and, for text, profile and
// unknown chunks, allocates that much before reading it; Qt sets no limit
// (a 174-byte file asked for 1.2 GB). Every chunk of the PNG stored between
// start and end, up to its last, must fit there.
bool PngChunksFit(QIODevice& file, qint64 start, qint64 end) {
    constexpr qint64 kSignatureSize = 8, kChunkHeaderSize = 8, kCrcSize = 4;
    for (qint64 at = start + kSignatureSize; at + kChunkHeaderSize <= end;) {
        const QByteArray header = ReadAt(file, at, kChunkHeaderSize);
        if (header.size() != kChunkHeaderSize) return false;
        const qint64 next = at + kChunkHeaderSize + BigEndian32(header, 0) + kCrcSize;
        if (next > end) return false;
        if (header.endsWith("IEND")) break;
        at = next;
    }
    return true;
}

// Qt's ICO reader hands an icon stored as PNG to libpng (above). The loader
// reads the first icon only.
bool FirstIconFits(QIODevice& file) {
    constexpr qint64 kDirectoryAt = 6, kEntrySize = 16;
    const QByteArray entry = ReadAt(file, kDirectoryAt, kEntrySize);
    if (entry.size() != kEntrySize) return false;
    const qint64 bytes = LittleEndian32(entry, 8), offset = LittleEndian32(entry, 12);
    if (ReadAt(file, offset, kPngSignature.size()) != kPngSignature) return true;
    return PngChunksFit(file, offset, std::min(offset + bytes, file.size()));
}

}  // namespace

bool SafeToRead(const QByteArray& format, QIODevice& file) {
    if (!Trusted(format)) return false;
    const qint64 position = file.pos();
    bool safe = true;
    if (format == "tga")
        safe = TgaHoldsWhatIsRead(file);
    else if (format == "png")
        safe = PngChunksFit(file, 0, file.size());
    else if (format == "ico" || format == "cur")
        safe = FirstIconFits(file);
    file.seek(position);
    return safe;
}

}  // namespace quilto
