// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed files of fuzz_picture into the folder given: small valid
// pictures of the formats players offer most (PNG, JPEG, GIF, BMP, WebP, TIFF,
// ICO and a few rarer ones), each reader's common variants, an animated GIF,
// an animated WebP, a multi-page TIFF, an ICO with several sizes, and a few
// hostile files (truncated, declaring billions of pixels). Qt writes what its
// writers can; the rest is assembled here byte by byte. The output is the same
// on every run with the same Qt and image libraries.
//
//   build-fuzz/fuzz/make_picture_corpus fuzz/corpus/picture
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

QDir out;

void Write(const char* name, const QByteArray& bytes) {
    QFile file(out.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", name);
    std::printf("%s: %lld bytes\n", name, static_cast<long long>(bytes.size()));
}

// A 16 x 12 picture with a different colour in every pixel; with alpha, a
// transparent corner.
QImage Picture(int width = 16, int height = 12, bool alpha = false) {
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int a = alpha ? qMin(255, (x + y) * 24) : 255;
            image.setPixel(x, y, qRgba(x * 16, y * 21, (x ^ y) * 16, a));
        }
    return image;
}

QByteArray Encode(const QImage& image, const char* format, const std::function<void(QImageWriter&)>& setUp = {}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, format);
    if (setUp) setUp(writer);
    if (!writer.write(image)) qFatal("no %s writer: %s", format, qPrintable(writer.errorString()));
    return bytes;
}

QByteArray Le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Le24(quint32 v) {
    return Le16(quint16(v & 0xFFFF)) + char(v >> 16);
}
QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Be16(quint16 v) {
    QByteArray b(2, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray Be32(quint32 v) {
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

// ---- PNG: a header declaring any size, a little image data.

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray PngChunk(const char* kind, const QByteArray& data) {
    const QByteArray body = QByteArray(kind, 4) + data;
    return Be32(quint32(data.size())) + body + Be32(Crc32(body));
}

QByteArray PngClaiming(quint32 width, quint32 height) {
    const QByteArray header = Be32(width) + Be32(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
           PngChunk("IDAT", qCompress(QByteArray(4096, '\0')).mid(4)) + PngChunk("IEND", {});
}

// MNG, which Qt does not write: one RGB image of the given size inside a frame
// of another size; at most 16 x 16 pixels of image data.
QByteArray Mng(quint32 frameWidth, quint32 frameHeight, quint32 width, quint32 height) {
    QByteArray rows;
    for (quint32 y = 0; y < qMin(height, 16u); ++y) rows += '\0' + QByteArray(3 * int(qMin(width, 16u)), char(y * 16));
    return QByteArray("\x8aMNG\r\n\x1a\n", 8) +
           PngChunk("MHDR", Be32(frameWidth) + Be32(frameHeight) + Be32(1000) + QByteArray(16, '\0')) +
           PngChunk("IHDR", Be32(width) + Be32(height) + QByteArray("\x08\x02\x00\x00\x00", 5)) +
           PngChunk("IDAT", qCompress(rows).mid(4)) + PngChunk("IEND", {}) + PngChunk("MEND", {});
}

// ---- GIF, which Qt reads but does not write.

QByteArray Lzw(const QByteArray& indices, int minCodeSize) {
    const int clear = 1 << minCodeSize, end = clear + 1;
    int width = minCodeSize + 1, next = end + 1;
    std::map<std::pair<int, int>, int> table;
    QByteArray bytes;
    quint32 bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8) bytes += char(bits & 0xFF);
        if (next >= (1 << width) && width < 12) ++width;
    };
    put(clear);
    int prefix = -1;
    for (const char c : indices) {
        const int k = quint8(c);
        if (prefix < 0) {
            prefix = k;
            continue;
        }
        if (auto it = table.find({prefix, k}); it != table.end()) {
            prefix = it->second;
            continue;
        }
        put(prefix);
        if (next < 4095) {
            table[{prefix, k}] = next++;
        } else {
            put(clear);
            table.clear();
            width = minCodeSize + 1;
            next = end + 1;
        }
        prefix = k;
    }
    put(prefix);
    put(end);
    if (count > 0) bytes += char(bits & 0xFF);
    QByteArray blocks;
    for (qsizetype at = 0; at < bytes.size(); at += 255) {
        const QByteArray part = bytes.mid(at, 255);
        blocks += char(part.size()) + part;
    }
    return blocks + '\0';
}

struct GifFrame {
    int x, y, width, height;
    int delay;        // hundredths of a second
    int disposal;     // 0 to 3
    int transparent;  // palette index, or -1
};

// Four colours; frame pixels run through the palette by position.
QByteArray Gif(int screenWidth, int screenHeight, const std::vector<GifFrame>& frames, bool loop) {
    QByteArray gif = "GIF89a" + Le16(quint16(screenWidth)) + Le16(quint16(screenHeight)) +
                     QByteArray("\x91\x00\x00", 3) + QByteArray("\xc8\x1e\x28\x20\x80\xe0\xf0\xd0\x10\x00\x00\x00", 12);
    if (loop) gif += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const GifFrame& f : frames) {
        const int packed = (f.disposal << 2) | (f.transparent >= 0 ? 1 : 0);
        gif +=
            QByteArray("\x21\xf9\x04", 3) + char(packed) + Le16(quint16(f.delay)) + char(qMax(0, f.transparent)) + '\0';
        gif += ',' + Le16(quint16(f.x)) + Le16(quint16(f.y)) + Le16(quint16(f.width)) + Le16(quint16(f.height)) + '\0';
        QByteArray pixels;
        for (int y = 0; y < qMin(f.height, 64); ++y)
            for (int x = 0; x < qMin(f.width, 64); ++x) pixels += char((x / 3 + y / 2 + f.x) % 4);
        gif += '\x02' + Lzw(pixels, 2);
    }
    return gif + ';';
}

// ---- TIFF pages, uncompressed, little-endian; Qt writes one page only.

struct TiffPage {
    quint32 width, height;
    int samples;  // 1 grey, 3 RGB
};

QByteArray Tiff(const std::vector<TiffPage>& pages) {
    QByteArray tiff = QByteArray("II*\0", 4) + Le32(0);
    qsizetype link = 4;  // where the offset of the next page goes
    for (const TiffPage& page : pages) {
        const qsizetype bitsAt = tiff.size();
        tiff += Le16(8) + Le16(8) + Le16(8);
        const qsizetype dataAt = tiff.size();
        const qsizetype rows = qMin<quint32>(page.height, 16), columns = qMin<quint32>(page.width, 16);
        for (qsizetype i = 0; i < rows * columns * page.samples; ++i) tiff += char(i * 7);
        if (tiff.size() % 2) tiff += '\0';
        qToLittleEndian(quint32(tiff.size()), tiff.data() + link);
        struct Entry {
            quint16 tag, type;
            quint32 value;
        };
        const bool rgb = page.samples == 3;
        const std::vector<Entry> entries = {
            {256, 4, page.width},
            {257, 4, page.height},
            {258, 3, rgb ? quint32(bitsAt) : 8},
            {259, 3, 1},
            {262, 3, rgb ? 2u : 1u},
            {273, 4, quint32(dataAt)},
            {277, 3, quint32(page.samples)},
            {278, 4, page.height},
            {279, 4, page.width * page.height * quint32(page.samples)},
            {284, 3, 1},
        };
        tiff += Le16(quint16(entries.size()));
        for (const Entry& e : entries) {
            const quint32 count = e.tag == 258 ? quint32(page.samples) : 1;
            tiff += Le16(e.tag) + Le16(e.type) + Le32(count);
            tiff += e.type == 3 && count == 1 ? Le16(quint16(e.value)) + Le16(0) : Le32(e.value);
        }
        link = tiff.size();
        tiff += Le32(0);
    }
    return tiff;
}

// ---- ICO with several sizes: the entries of single-picture files joined.

QByteArray Ico(const std::vector<QByteArray>& singles, const std::vector<std::pair<int, QByteArray>>& pngs) {
    QByteArray directory, data;
    int count = 0;
    const int headerSize = 6 + 16 * int(singles.size() + pngs.size());
    auto add = [&](QByteArray entry, const QByteArray& body) {
        qToLittleEndian(quint32(headerSize + data.size()), entry.data() + 12);
        directory += entry;
        data += body;
        ++count;
    };
    for (const QByteArray& ico : singles) {
        const quint32 size = qFromLittleEndian<quint32>(ico.constData() + 6 + 8);
        const quint32 offset = qFromLittleEndian<quint32>(ico.constData() + 6 + 12);
        add(ico.mid(6, 16), ico.mid(offset, size));
    }
    for (const auto& [side, png] : pngs)
        add(QByteArray(1, char(side)) + char(side) + QByteArray(2, '\0') + Le16(1) + Le16(32) +
                Le32(quint32(png.size())) + Le32(0),
            png);
    return Le16(0) + Le16(1) + Le16(quint16(count)) + directory + data;
}

// ---- WebP: frames of Qt's lossless files in an animation.

QByteArray RiffChunk(const char* kind, const QByteArray& data) {
    QByteArray chunk = QByteArray(kind, 4) + Le32(quint32(data.size())) + data;
    if (data.size() % 2) chunk += '\0';
    return chunk;
}

QByteArray WebpImageChunk(const QByteArray& webp) {
    if (webp.mid(12, 4) != "VP8L") qFatal("expected a lossless WebP");
    return webp.mid(12);
}

QByteArray Webp(const QByteArray& body) {
    return "RIFF" + Le32(quint32(body.size() + 4)) + "WEBP" + body;
}

QByteArray AnimatedWebp(int canvasWidth, int canvasHeight) {
    QByteArray body =
        RiffChunk("VP8X", QByteArray(1, '\x12') + QByteArray(3, '\0') + Le24(canvasWidth - 1) + Le24(canvasHeight - 1));
    body += RiffChunk("ANIM", Le32(0xFF000000u) + Le16(0));
    const QImage frames[] = {Picture(16, 12, true), Picture(8, 6), Picture(10, 4, true)};
    const int positions[][2] = {{0, 0}, {4, 2}, {6, 8}};
    for (int i = 0; i < 3; ++i) {
        const QImage& frame = frames[i];
        const QByteArray image = WebpImageChunk(Encode(frame, "webp", [](QImageWriter& w) { w.setQuality(100); }));
        body += RiffChunk("ANMF", Le24(positions[i][0] / 2) + Le24(positions[i][1] / 2) + Le24(frame.width() - 1) +
                                      Le24(frame.height() - 1) + Le24(80) + char(i == 1 ? 2 : 1) + image);
    }
    return Webp(body);
}

// ---- TGA, which Qt reads but does not write: true colour, bottom-up, with
// the version 2 footer Qt's reader asks for.

QByteArray Tga(const QImage& image) {
    QByteArray tga = QByteArray("\0\0\x02", 3) + QByteArray(9, '\0') + Le16(quint16(image.width())) +
                     Le16(quint16(image.height())) + QByteArray("\x18\x00", 2);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            tga += char(qBlue(p));
            tga += char(qGreen(p));
            tga += char(qRed(p));
        }
    return tga + Le32(0) + Le32(0) + QByteArray("TRUEVISION-XFILE.", 18);
}

// ---- JPEG details.

// Inserts an Exif block saying the picture is to be turned a quarter clockwise.
QByteArray WithExifRotation(const QByteArray& jpeg) {
    const QByteArray tiff =
        QByteArray("II*\0", 4) + Le32(8) + Le16(1) + Le16(0x0112) + Le16(3) + Le32(1) + Le16(6) + Le16(0) + Le32(0);
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + "\xff\xe1" + Be16(quint16(app1.size() + 2)) + app1 + jpeg.mid(2);
}

// Rewrites the frame header's height and width.
QByteArray WithJpegSize(QByteArray jpeg, quint16 width, quint16 height) {
    for (qsizetype at = 2; at + 9 < jpeg.size(); ++at)
        if (quint8(jpeg[at]) == 0xFF && (quint8(jpeg[at + 1]) == 0xC0 || quint8(jpeg[at + 1]) == 0xC2)) {
            qToBigEndian(height, jpeg.data() + at + 5);
            qToBigEndian(width, jpeg.data() + at + 7);
            return jpeg;
        }
    qFatal("no frame header");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) qFatal("usage: make_picture_corpus <folder>");
    out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) qFatal("cannot make %s", argv[1]);

    const QImage rgb = Picture(), alpha = Picture(16, 12, true);
    const QByteArray png = Encode(rgb, "png"), jpeg = Encode(rgb, "jpeg");
    Write("png-rgb.png", png);
    Write("png-alpha.png", Encode(alpha, "png"));
    Write("png-indexed.png", Encode(rgb.convertToFormat(QImage::Format_Indexed8), "png"));
    Write("png-grey16.png", Encode(rgb.convertToFormat(QImage::Format_Grayscale16), "png"));
    Write("jpeg-baseline.jpg", jpeg);
    Write("jpeg-progressive.jpg", Encode(rgb, "jpeg", [](QImageWriter& w) { w.setProgressiveScanWrite(true); }));
    Write("jpeg-grey.jpg", Encode(rgb.convertToFormat(QImage::Format_Grayscale8), "jpeg"));
    Write("jpeg-exif-rotated.jpg", WithExifRotation(jpeg));
    Write("bmp-24.bmp", Encode(rgb, "bmp"));
    Write("bmp-indexed.bmp", Encode(rgb.convertToFormat(QImage::Format_Indexed8), "bmp"));
    Write("bmp-mono.bmp", Encode(rgb.convertToFormat(QImage::Format_Mono), "bmp"));
    Write("webp-lossy.webp", Encode(alpha, "webp", [](QImageWriter& w) { w.setQuality(75); }));
    Write("webp-lossless.webp", Encode(alpha, "webp", [](QImageWriter& w) { w.setQuality(100); }));
    Write("webp-animated.webp", AnimatedWebp(20, 16));
    Write("tiff-plain.tif", Encode(rgb, "tiff"));
    Write("tiff-lzw.tif", Encode(alpha, "tiff", [](QImageWriter& w) { w.setCompression(1); }));
    Write("tiff-pages.tif", Tiff({{16, 12, 3}, {8, 6, 1}, {5, 3, 3}}));
    Write("gif-still.gif", Gif(16, 12, {{0, 0, 16, 12, 0, 0, -1}}, false));
    Write("gif-animated.gif",
          Gif(16, 12, {{0, 0, 16, 12, 10, 1, -1}, {2, 3, 8, 5, 10, 2, 0}, {5, 1, 11, 11, 20, 3, 2}}, true));
    const QByteArray ico16 = Encode(Picture(16, 16, true), "ico"), ico32 = Encode(Picture(32, 32), "ico");
    Write("ico-one.ico", ico16);
    Write("ico-sizes.ico", Ico({ico16, ico32}, {{48, Encode(Picture(48, 48, true), "png")}}));
    Write("ppm-rgb.ppm", Encode(rgb, "ppm"));
    Write("tga-rgb.tga", Tga(rgb));
    Write("xpm-indexed.xpm", Encode(rgb.convertToFormat(QImage::Format_Indexed8), "xpm"));
    Write("wbmp-mono.wbmp", Encode(rgb.convertToFormat(QImage::Format_Mono), "wbmp"));
    Write("xbm-mono.xbm", Encode(rgb.convertToFormat(QImage::Format_Mono), "xbm"));
    Write("icns-icon.icns", Encode(Picture(16, 16, true), "icns"));
    Write("mng-still.mng", Mng(16, 12, 16, 12));

    // Hostile files.
    Write("hostile-png-truncated.png", png.left(png.size() / 2));
    Write("hostile-jpeg-truncated.jpg", jpeg.left(jpeg.size() / 2));
    Write("hostile-png-60000x60000.png", PngClaiming(60000, 60000));
    Write("hostile-jpeg-65500x65500.jpg", WithJpegSize(jpeg, 65500, 65500));
    Write("hostile-gif-screen-65535.gif", Gif(65535, 65535, {{0, 0, 16, 12, 0, 0, -1}}, false));
    Write("hostile-gif-frame-65535.gif", Gif(16, 12, {{0, 0, 16, 12, 0, 0, -1}, {0, 0, 65535, 65535, 0, 0, -1}}, true));
    QByteArray bmp = Encode(rgb, "bmp");
    qToLittleEndian(qint32(0x10000), bmp.data() + 18);
    qToLittleEndian(qint32(-0x10000), bmp.data() + 22);
    Write("hostile-bmp-65536x65536.bmp", bmp);
    Write("hostile-tiff-100000x100000.tif", Tiff({{100000, 100000, 3}}));
    Write("hostile-webp-canvas-16m.webp", AnimatedWebp(1 << 24, 1 << 24));
    const QByteArray tga = Tga(rgb);
    QByteArray tgaCut = tga.left(18 + 30) + tga.right(26);
    qToLittleEndian(quint16(1024), tgaCut.data() + 12);
    qToLittleEndian(quint16(1024), tgaCut.data() + 14);
    Write("hostile-tga-cut-1024x1024.tga", tgaCut);
    QByteArray tgaMap = tga.left(18) + QByteArray(30, '\0') + tga.right(26);
    tgaMap[1] = 1;                                     // a colour map
    qToLittleEndian(quint16(244), tgaMap.data() + 5);  // of 244 entries
    tgaMap[7] = 0;                                     // of depth 0, origin 250
    tgaMap[8] = char(0xfa);
    Write("hostile-tga-colour-map.tga", tgaMap);
    Write("hostile-mng-inner-30000x30000.mng", Mng(16, 12, 30000, 30000));
    // A text chunk claiming a gigabyte, cut short; alone and as an icon.
    const QByteArray pngText = png.left(33) + Be32(0x40000000) + "zTXt" + QByteArray("k\0\0", 3) + png.mid(33);
    Write("hostile-png-text-1gib.png", pngText);
    Write("hostile-ico-png-text-1gib.ico", Ico({}, {{16, pngText}}));
    QByteArray icns = Encode(Picture(16, 16, true), "icns");
    if (icns.mid(8, 4) != "TOC ") qFatal("expected a table of contents");
    qToBigEndian(quint32(0x80000000u), icns.data() + 20);  // the first icon's length in the table
    Write("hostile-icns-toc-2gib.icns", icns);
    return 0;
}
