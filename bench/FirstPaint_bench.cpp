// A puzzle created from a 24-megapixel picture and painted for the first
// time on a full-HD window: what the player waits for after "Nuevo".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>

#include "game/MainWindow.h"
#include "game/NewPuzzle.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/BoardCanvas.h"

namespace quilto {
namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "quilto_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A picture with detail everywhere, so that scaling does real work.
const QImage& BigPicture() {
    static const QImage image = [] {
        QImage img(6000, 4000, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient grad(0, 0, 6000, 4000);
        grad.setColorAt(0, Qt::darkBlue);
        grad.setColorAt(1, Qt::yellow);
        p.fillRect(img.rect(), grad);
        for (int i = 0; i < 4000; i += 37) p.drawLine(0, i, 6000, 4000 - i);
        return img;
    }();
    return image;
}

struct RealClock : test::FakePlatform {
    double Now() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

void CreateAndPaint(benchmark::State& state, Settings s) {
    App();
    RealClock fake;
    GameState g(fake);
    test::TempDir dir;
    InitElements(g.win);
    Form_Load(g, dir.AsAppDir());
    Form_Resize(g, WindowState::Maximized, 1920 * 15, 1080 * 15);
    fake.pictures["/pic.jpg"] = {BigPicture().width(), BigPicture().height()};
    g.PicClip1 = fake.LoadPicture("/pic.jpg");
    g.fPictureLoaded = true;
    g.settings = s;

    BoardCanvas canvas(g, [](PictureId) -> const QImage& { return BigPicture(); });
    canvas.resize(1920, 1050);
    QImage screen(canvas.size(), QImage::Format_RGB32);

    for (auto _ : state) {
        g.fSkipConfirm = true;
        NewPuzzle(g);
        canvas.Sync();
        canvas.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["pieces"] = g.PieceCount;
}

void BM_CreateAndPaint65Sliding(benchmark::State& state) { CreateAndPaint(state, {65, 65, 3, false, true, false}); }
void BM_CreateAndPaint65IrregularSliding(benchmark::State& state) {
    CreateAndPaint(state, {65, 65, 3, true, true, false});
}
void BM_CreateAndPaint10(benchmark::State& state) { CreateAndPaint(state, {10, 10, 3, false, false, false}); }
BENCHMARK(BM_CreateAndPaint65Sliding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreateAndPaint65IrregularSliding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreateAndPaint10)->Unit(benchmark::kMillisecond)->UseRealTime();

// Repainting one exchanged pair on a 65 x 65 board.
void BM_RepaintAfterExchange65(benchmark::State& state) {
    App();
    RealClock fake;
    GameState g(fake);
    test::TempDir dir;
    InitElements(g.win);
    Form_Load(g, dir.AsAppDir());
    Form_Resize(g, WindowState::Maximized, 1920 * 15, 1080 * 15);
    fake.pictures["/pic.jpg"] = {6000, 4000};
    g.PicClip1 = fake.LoadPicture("/pic.jpg");
    g.fPictureLoaded = true;
    g.fSkipConfirm = true;
    g.settings = {65, 65, 3, false, false, false};
    NewPuzzle(g);
    BoardCanvas canvas(g, [](PictureId) -> const QImage& { return BigPicture(); });
    canvas.resize(1920, 1050);
    QImage screen(canvas.size(), QImage::Format_RGB32);
    canvas.Sync();
    const QRect piece = BoardCanvas::ToPixels(g.win.Image1[1].box).toAlignedRect();
    for (auto _ : state) {
        std::swap(g.win.Image1[1].Picture, g.win.Image1[2].Picture);
        canvas.Sync();
        canvas.render(&screen, piece.topLeft(), QRegion(piece.adjusted(-1, -1, 1, 1)));
    }
}
BENCHMARK(BM_RepaintAfterExchange65)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace quilto
