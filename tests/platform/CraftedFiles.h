#pragma once
// Picture and sound files made byte by byte, for what Qt cannot write or
// what no honest writer would produce.
#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QImage>
#include <QtEndian>

namespace quilto::test {

inline QByteArray Be32(quint32 v) {
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

inline quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray PngChunk(const char* kind, const QByteArray& data) {
    const QByteArray body = QByteArray(kind, 4) + data;
    return Be32(static_cast<quint32>(data.size())) + body + Be32(Crc32(body));
}

// A well-formed PNG header claiming width x height RGB pixels, followed by a
// few compressed rows only.
inline QByteArray PngClaiming(quint32 width, quint32 height) {
    QByteArray ihdr = Be32(width) + Be32(height);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray rows(4096, '\0');
    QByteArray idat = qCompress(rows).mid(4);  // drop Qt's length prefix: a plain zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", idat) +
           PngChunk("IEND", {});
}

// A BMP header claiming width x height 24-bit pixels, with no pixel data.
inline QByteArray BmpClaiming(qint32 width, qint32 height) {
    QByteArray b;
    QDataStream out(&b, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 16) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0)
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    b += QByteArray(16, '\0');
    return b;
}

// Qt reads GIF but cannot write it. A picture of two colours, stored without
// compression:
// 8-bit codes, with a clear code often enough that the code size never grows.
inline QByteArray GifOf(const QImage& picture, QColor first, QColor second) {
    const int w = picture.width(), h = picture.height();
    QByteArray gif("GIF89a");
    auto le16 = [&gif](int v) { gif += char(v & 0xFF); gif += char((v >> 8) & 0xFF); };
    le16(w);
    le16(h);
    gif += QByteArray("\xF6\x00\x00", 3);  // a global table of 128 colours
    QByteArray table(128 * 3, '\0');
    const QColor colours[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        table[3 * i] = char(colours[i].red());
        table[3 * i + 1] = char(colours[i].green());
        table[3 * i + 2] = char(colours[i].blue());
    }
    gif += table;
    gif += ',';
    le16(0);
    le16(0);
    le16(w);
    le16(h);
    gif += '\0';
    gif += char(7);  // minimum code size: codes start at 8 bits
    QByteArray codes;
    for (int i = 0; i < w * h; ++i) {
        if (i % 100 == 0) codes += char(0x80);  // clear
        codes += char(picture.pixelColor(i % w, i / w) == first ? 0 : 1);
    }
    codes += char(0x81);  // end of information
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += '\0';
    gif += ';';
    return gif;
}

// A mono 16-bit PCM WAV of the given samples.
inline QByteArray PcmWav(const QByteArray& samples, quint32 rate) {
    QByteArray riff;
    QDataStream out(&riff, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(2 * rate) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    return riff + samples;
}

}  // namespace quilto::test
