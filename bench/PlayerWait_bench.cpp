// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player waits for after pressing Return in the configuration
// dialog: the dialog accepts, the puzzle is created from a 24-megapixel
// picture (busy caption, settings file, board, shuffle) and the real main
// window paints it, on a 1600 x 1000 screen, from the pixels the platform
// keeps of the picture for that board. Timed from the key to the end of the
// board's first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>

#include "BenchGame.h"
#include "PaintedGame.h"
#include "game/PictureLoading.h"
#include "platform/QtPlatform.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

namespace quilto {
namespace {

// The settings file is saved as the program saves it, to the disk.
struct SavingPlatform : bench::ClockedPlatform {
    QtPlatform qt;
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override {
        return qt.WriteFileAtomically(path, bytes);
    }
};

// Notes when the canvas has been painted.
struct PaintWatch : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void ReturnToBoard(benchmark::State& state, Settings s) {
    bench::App();
    SavingPlatform fake;
    test::TempDir dir;
    GameState g(fake);
    // The picture as the platform keeps it for this window's board.
    Form1 form(g, dir.AsAppDir(),
               [&g](PictureId) -> const DecodedPicture& { return bench::KeptPicture(bench::BoardPixels(g)); });
    Form_Resize(g, WindowState::Maximized, 1600 * kUnitsPerPixel, 1000 * kUnitsPerPixel);
    form.resize(1600, 1000);
    form.show();
    // As the Qt platform does: the window's changes so far, then one pass.
    fake.onPendingEvents = [&form] {
        form.Sync();
        QCoreApplication::processEvents();
    };
    fake.pictures["/photo.jpg"] = {bench::BigPicture().width(), bench::BigPicture().height()};
    PaintWatch watch;
    form.Canvas()->installEventFilter(&watch);
    QCoreApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        // The first picture of a run opens the dialog before any puzzle.
        g.settings = s;
        g.fPictureLoaded = false;
        g.fPlaying = false;
        Clock::time_point pressed;
        std::function<void()> pressReturn = [&] {
            Form2* dialog = form.ConfigurationDialog();
            if (QApplication::activeModalWidget() != dialog) {  // not open yet
                QTimer::singleShot(1, pressReturn);
                return;
            }
            // "Aceptar" has the focus, as when the dialog first opens.
            auto* accept = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
            accept->setFocus();
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            pressed = Clock::now();
            QApplication::sendEvent(accept, &key);
        };
        QTimer::singleShot(0, pressReturn);
        LoadPictureFile(g, "/photo.jpg");
        // The busy caption has been painted; the board is painted next.
        watch.painted = false;
        form.Sync();
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - pressed).count());
        if (!g.fPlaying) state.SkipWithError("no puzzle was created");
    }
    state.counters["pieces"] = g.PieceCount;
}

void BM_ReturnToBoard65Sliding(benchmark::State& state) {
    ReturnToBoard(state, {65, 65, 3, false, true, false});
}
void BM_ReturnToBoard65Free(benchmark::State& state) {
    ReturnToBoard(state, {65, 65, 3, false, false, false});
}
void BM_ReturnToBoard65IrregularSliding(benchmark::State& state) {
    ReturnToBoard(state, {65, 65, 3, true, true, false});
}
void BM_ReturnToBoard65IrregularFree(benchmark::State& state) {
    ReturnToBoard(state, {65, 65, 3, true, false, false});
}
BENCHMARK(BM_ReturnToBoard65Sliding)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ReturnToBoard65Free)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ReturnToBoard65IrregularSliding)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ReturnToBoard65IrregularFree)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace quilto
