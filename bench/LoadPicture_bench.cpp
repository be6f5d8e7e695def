// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player waits for after choosing a photo in the file dialog: a
// 24-megapixel JPEG decoded whole (as every picture once was) and decoded
// for the board of a 1600 x 1000 screen, and the whole way from the chosen
// name to the configuration dialog painted, on the real windows of a program
// just started (the dialog is made at its first opening).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>

#include "BenchGame.h"
#include "PaintedGame.h"
#include "game/GameMenu.h"
#include "game/PictureLoading.h"
#include "platform/QtPlatform.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

namespace quilto {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// A photo as a camera gives it: the sample landscape at 6000 x 4000 with
// grain everywhere (which makes the decoder work), quality 92. Written once.
const QString& PhotoFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage photo(QStringLiteral(QUILTO_SOURCE_DIR "/assets/app/Imagenes/Paisaje.png"));
        photo = photo.convertToFormat(QImage::Format_RGB32)
                    .scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        quint32 x = 2463534242u;
        const auto grain = [&x] {  // about 20 levels either way
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            return (int(x & 255) + int(x >> 8 & 255) + int(x >> 16 & 255) + int(x >> 24) - 510) * 20 / 147;
        };
        for (int y = 0; y < photo.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int i = 0; i < photo.width(); ++i)
                row[i] = qRgb(qBound(0, qRed(row[i]) + grain(), 255), qBound(0, qGreen(row[i]) + grain(), 255),
                              qBound(0, qBlue(row[i]) + grain(), 255));
        }
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        QImageWriter writer(file);
        writer.setQuality(92);
        if (!writer.write(photo)) qFatal("the photo was not written");
        return file;
    }();
    return path;
}

// The board of the main window maximized on a 1600 x 1000 screen, in pixels.
QSize BoardOf1600x1000() {
    bench::ClockedPlatform fake;
    test::TempDir dir;
    GameState g(fake);
    InitElements(g.win);
    Form_Load(g, dir.AsAppDir());
    Form_Resize(g, WindowState::Maximized, 1600 * kUnitsPerPixel, 1000 * kUnitsPerPixel);
    return bench::BoardPixels(g);
}

void LoadPhoto(benchmark::State& state, QSize shown) {
    bench::App();
    const QString& file = PhotoFile();
    double kept = 0;
    for (auto _ : state) {
        const PictureFile read = ReadPictureFile(file, QtPlatform::kMaxPixels, shown);
        if (read.status != LoadStatus::Ok) state.SkipWithError("the photo did not load");
        kept = static_cast<double>(read.picture.image.sizeInBytes());
    }
    state.counters["kept_MiB"] = kept / kMiB;
    state.counters["file_MiB"] = static_cast<double>(QFileInfo(file).size()) / kMiB;
}

void BM_LoadPhotoWhole(benchmark::State& state) {
    LoadPhoto(state, {});
}
void BM_LoadPhotoForBoard(benchmark::State& state) {
    LoadPhoto(state, BoardOf1600x1000());
}
BENCHMARK(BM_LoadPhotoWhole)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadPhotoForBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

// Notes the end of the configuration dialog's first paint, and closes it.
struct DialogWatch : QObject {
    using Clock = std::chrono::steady_clock;
    Clock::time_point painted;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && painted == Clock::time_point() && qobject_cast<Form2*>(o)) {
            painted = Clock::time_point::max();
            // Runs once the whole paint is done.
            QTimer::singleShot(0, o, [this, o] {
                painted = Clock::now();
                static_cast<Form2*>(o)->reject();
            });
        }
        return false;
    }
};

// Argument 0: every pixel kept, as before pictures were kept for the board.
void BM_ChosenPhotoToConfiguration(benchmark::State& state) {
    bench::App();
    const bool forBoard = state.range(0) != 0;
    const std::string file = PhotoFile().toStdString();
    double kept = 0;
    for (auto _ : state) {
        test::TempDir dir;
        QtPlatform platform;
        GameState g(platform);
        Form1 form(g, dir.AsAppDir(),
                   [&platform](PictureId id) -> const DecodedPicture& { return platform.Picture(id); });
        platform.SetOwner(&form);
        platform.SetBeforeEvents([&form] { form.Sync(); });
        if (forBoard) platform.SetShownArea([&form] { return form.LargestBoardPixels(); });
        Form_Resize(g, WindowState::Maximized, 1600 * kUnitsPerPixel, 1000 * kUnitsPerPixel);
        form.resize(1600, 1000);
        form.show();
        QCoreApplication::processEvents();
        DialogWatch watch;
        qApp->installEventFilter(&watch);

        const auto chosen = DialogWatch::Clock::now();
        LoadPictureFile(g, file);
        qApp->removeEventFilter(&watch);
        state.SetIterationTime(std::chrono::duration<double>(watch.painted - chosen).count());
        if (!g.fPictureLoaded) state.SkipWithError("the photo did not load");
        kept = static_cast<double>(platform.Picture(g.PicClip1.id()).image.sizeInBytes());
    }
    state.counters["kept_MiB"] = kept / kMiB;
}
BENCHMARK(BM_ChosenPhotoToConfiguration)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace quilto
