// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever bytes a player offers as a picture, the Qt platform's loader ends
// with a picture it can paint or with "not a picture"; it never crashes,
// hangs or takes memory out of proportion to the picture.
//
// The file's name ends in a suffix chosen by the input's last byte: Qt asks
// the reader named by the suffix first, which reaches readers that have no
// signature of their own. A zero, which ends every TGA file, picks ".tga".
// The byte before it, when odd, has the picture kept for a board of 8 x 6
// pixels (JPEG decoded smaller, the others shrunk), so that the seeds of
// 16 x 12 go both ways.
//
// Qt's readers are not instrumented, so libFuzzer would see only our few
// branches and drop most seeds. What a reader makes of the file (which reader,
// the size and frame count it declares, its pixel format, the outcome) is
// therefore fed back as extra coverage: an input that takes a reader somewhere
// new is kept.
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>

#include "platform/QtPlatform.h"
#include "platform/ReaderGuards.h"

namespace {

// Pictures of up to a megapixel load (4 MiB decoded). tools/run-tests.sh sets
// libFuzzer's limits from it: a single allocation of more than 32 MiB, or a
// file that keeps a reader busy for seconds, is a fault.
constexpr qint64 kFuzzMaxPixels = 1024 * 1024;

const char* const kSuffixes[] = {".tga", "",     ".png", ".jpg", ".gif", ".bmp",  ".webp", ".tif", ".ico",
                                 ".cur", ".ppm", ".xpm", ".xbm", ".mng", ".icns", ".wbmp", ".svg", ".txt"};

const QSize kBoard(8, 6);

struct Harness {
    QTemporaryDir dir;
    quilto::QtPlatform platform{kFuzzMaxPixels};
    QSize shown;
};
Harness* harness = nullptr;
volatile unsigned pixelSum = 0;  // keeps the reads of the pixels

// libFuzzer counts any byte set here as coverage.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t outcomes[1 << 14];

void Mark(std::initializer_list<std::uint64_t> parts) {
    std::uint64_t h = 1469598103934665603ULL;
    for (const std::uint64_t part : parts) h = (h ^ part) * 1099511628211ULL;
    outcomes[h % std::size(outcomes)] = 1;
}

std::uint64_t Magnitude(qint64 n) {
    return n <= 0 ? 0 : std::bit_width(static_cast<std::uint64_t>(n));
}

void Check(bool ok) {
    if (!ok) std::abort();
}

// Reads every row's first and last pixel: the pixel buffer is as large as the
// picture claims (AddressSanitizer sees Qt's allocations too).
unsigned TouchPixels(const QImage& image) {
    unsigned sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        sum += row[0] ^ row[image.width() - 1];
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The readers' complaints about broken files would drown libFuzzer's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    harness = new Harness;
    Check(harness->dir.isValid());
    harness->platform.SetShownArea([] { return harness->shown; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quilto;
    const std::size_t suffix = size == 0 ? 0 : data[size - 1] % std::size(kSuffixes);
    const QString path = harness->dir.filePath(QStringLiteral("picture") + QLatin1String(kSuffixes[suffix]));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }

    std::uint64_t reader = 0;
    {
        // Asks the reader only about files the loader would hand it.
        QFile file(path);
        Check(file.open(QIODevice::ReadOnly));
        QImageReader probe(&file);
        const QByteArray format = probe.format();
        reader = qHash(format);
        Mark({1, reader, suffix});
        if (quilto::SafeToRead(format, file)) {
            const QSize declared = probe.size();
            const int frames = probe.imageCount();
            Mark({2, reader, Magnitude(declared.width()), Magnitude(declared.height())});
            Mark({3, reader, static_cast<std::uint64_t>(qBound(-1, frames, 16) + 1)});
            Mark({4, reader, static_cast<std::uint64_t>(probe.imageFormat())});
        }
    }

    harness->shown = size >= 2 && data[size - 2] % 2 ? kBoard : QSize();
    const LoadedPicture loaded = harness->platform.LoadPicture(path.toStdString());
    QFile::remove(path);
    Mark({5, reader, static_cast<std::uint64_t>(loaded.status), Magnitude(loaded.width), Magnitude(loaded.height),
          static_cast<std::uint64_t>(harness->shown.isEmpty())});
    // The file exists and is readable: it is a picture or it is not one.
    Check(loaded.status == LoadStatus::Ok || loaded.status == LoadStatus::NotAPicture);
    if (loaded.status == LoadStatus::NotAPicture) {
        Check(loaded.id == kNoPictureId);
        return 0;
    }
    Check(loaded.id != kNoPictureId && loaded.width >= 1 && loaded.height >= 1);
    Check(qint64(loaded.width) * loaded.height <= kFuzzMaxPixels);
    // The pixels kept cover the board, or are all of them.
    const DecodedPicture& picture = harness->platform.Picture(loaded.id);
    const QImage& image = picture.image;
    Check(picture.size == QSize(loaded.width, loaded.height));
    Check(image.size() == DecodedSize(picture.size, harness->shown));
    Check(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied);
    pixelSum = TouchPixels(image);
    harness->platform.ReleasePicture(loaded.id);
    Check(harness->platform.Picture(loaded.id).image.isNull());
    return 0;
}
