// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole game played by script on the real windows, offscreen, for
// valgrind: pictures decoded by Qt, the real message boxes and configuration
// dialog (answered by a watcher that presses "Aceptar" or OK), real mouse and
// key events. Usage: scripted_game <puzzles>; exits 0 when every puzzle went
// as planned, and aborts at the first that did not.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThreadPool>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "game/PictureLoading.h"
#include "game/Slippery.h"
#include "platform/QtPlatform.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

using namespace quilto;

namespace {

void Expect(bool ok, const char* what, int puzzle) {
    if (!ok) qFatal("puzzle %d: %s", puzzle, what);
}

void AnswerModalWindows() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(QMessageBox::Ok))
        box->button(QMessageBox::Ok)->click();
    for (QPushButton* b : qobject_cast<Form2*>(modal) ? modal->findChildren<QPushButton*>() : QList<QPushButton*>())
        if (b->text() == QStringLiteral("Aceptar")) b->click();
}

// A picture of one colour, a little wider for each puzzle and larger than
// the board, so that it is kept smaller: JPEG decoded smaller, PNG shrunk.
std::string WritePicture(const QTemporaryDir& dir, int n) {
    QImage image(960 + 160 * n, 720, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(n * 50 % 360, 200, 220));
    const QString file = dir.filePath(QStringLiteral("picture%1.%2").arg(n).arg(n % 2 ? "jpg" : "png"));
    image.save(file);
    return file.toStdString();
}

// The threads of this process, the calling one included.
int ThreadCount() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) count += task.is_directory();
    return count;
}

int Play(int puzzles) {
    QTemporaryDir dir;
    QtPlatform platform;
    GameState g(platform);
    Form1 form(g, dir.path().toStdString() + "/",
               [&platform](PictureId id) -> const DecodedPicture& { return platform.Picture(id); });
    platform.SetOwner(&form);
    platform.SetShownArea([&form] { return form.LargestBoardPixels(); });
    platform.SetBeforeEvents([&form] { form.Sync(); });
    form.showMaximized();
    if (!QTest::qWaitForWindowExposed(&form, 60000) || !QTest::qWaitFor([&] { return !g.fLayoutPending; }, 60000))
        return 2;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &AnswerModalWindows);
    watcher.start(5);
    QWidget* canvas = form.Canvas();
    const auto middle = [&g](int p) { return BoardCanvas::ToPixels(g.win.Piece(p).box).center().toPoint(); };

    const QString notes = dir.filePath(QStringLiteral("notes.txt"));  // not a picture: refused, changes nothing
    if (QFile file(notes); file.open(QIODevice::WriteOnly)) file.write("no picture here");
    LoadPictureFile(g, notes.toStdString());
    Expect(!g.fPictureLoaded, "a text file was taken for a picture", 0);

    // Regular; irregular and slippery; regular sliding; irregular sliding.
    const Settings kinds[] = {{3, 2, 1, false, false, false},
                              {4, 4, 3, true, false, true},
                              {3, 3, 2, false, true, false},
                              {5, 5, 4, true, true, false}};
    for (int i = 0; i < puzzles; ++i) {
        g.settings = kinds[i % 4];
        // The first picture opens the dialog; a new picture asks first while a game is on.
        i % 3 == 0 ? LoadPictureFile(g, WritePicture(dir, i)) : form.MnuNew->trigger();
        Expect(g.fPlaying, "no puzzle in play", i);
        if (!g.fPlaying) continue;
        form.Sync();
        for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F6}) QTest::keyClick(canvas, key);
        QTest::keyPress(canvas, Qt::Key_F7);
        Expect(g.win.Shape2.size() > 1 || g.PieceCount < 2, "F7 marked nothing", i);
        QTest::keyRelease(canvas, Qt::Key_F7);
        QTest::keyClick(canvas, Qt::Key_F8);
        for (int tick = 0; tick < 25; ++tick) Timer1_Timer(g);
        form.Sync();
        for (int p = 1; p <= g.PieceCount && g.fPlaying; ++p) {
            if (g.settings.fSlide) {  // a few clicks around; the next puzzle replaces it
                QTest::mouseClick(canvas, Qt::LeftButton, {}, middle(p++));
                continue;
            }
            int from = 1;  // each piece dragged home in turn
            while (g.PieceAt[static_cast<std::size_t>(from)] != p) ++from;
            if (from == p) continue;
            QTest::mousePress(canvas, Qt::LeftButton, {}, middle(from));
            QTest::mouseMove(canvas, middle(p));
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, middle(p));
        }
        Expect(g.settings.fSlide || !g.fPlaying, "the solved board was not announced", i);
        QTest::qWait(20);
    }
    watcher.stop();
    std::printf("%d puzzles played\n", puzzles);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        status = Play(argc > 1 ? std::atoi(argv[1]) : 3);
        // The painter scales and converts large pictures on Qt's global pool.
        QThreadPool::globalInstance()->waitForDone();
    }
    // A pool thread is done when waitForDone returns, but it lets go of its
    // own thread data (allocated by QThreadPool::start) only as it exits. A
    // process ending at that moment leaves the block to valgrind as
    // "definitely lost", now and then: so the game ends once every
    // other thread has, within milliseconds (the wait gives up after two minutes).
    for (int waited = 0; ThreadCount() > 1; ++waited) {
        if (waited == 120000) return std::fprintf(stderr, "threads still running two minutes after the game\n"), 3;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return status;
}
