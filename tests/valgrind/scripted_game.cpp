// A whole game played by script on the real windows, offscreen, for
// valgrind: pictures decoded by Qt, the real message boxes and configuration
// dialog (answered by a watcher that presses their buttons), real mouse and
// key events. Usage: scripted_game <puzzles>. Exits 0 when every puzzle went
// as planned.
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

#include "game/GameMenu.h"
#include "game/KeyboardAids.h"
#include "game/Slippery.h"
#include "platform/QtPlatform.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

using namespace quilto;

namespace {

int failures = 0;

void Expect(bool ok, const char* what, int puzzle) {
    if (ok) return;
    std::fprintf(stderr, "puzzle %d: %s\n", puzzle, what);
    ++failures;
}

// Presses "Aceptar" or OK on whatever modal window is open.
void AnswerModalWindows() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    } else if (auto* dialog = qobject_cast<Form2*>(modal)) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Aceptar")) b->click();
    }
}

QString WritePicture(const QTemporaryDir& dir, int n) {
    QImage image(240 + 40 * n, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i < image.width() / 30; ++i) p.fillRect(i * 30, 0, 30, 180, QColor::fromHsv((i * 31 + n * 50) % 360, 200, 220));
    const QString file = dir.filePath(QStringLiteral("picture%1.png").arg(n));
    image.save(file);
    return file;
}

struct Player {
    GameState& g;
    Form1& form;

    QPoint Middle(int p) const {
        return BoardCanvas::ToPixels(g.win.Image1[static_cast<std::size_t>(p)].box).center().toPoint();
    }
    void Drag(int from, int to) {
        QWidget* canvas = form.Canvas();
        QTest::mousePress(canvas, Qt::LeftButton, {}, Middle(from));
        QTest::mouseMove(canvas, Middle(to));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, Middle(to));
    }
    void Key(Qt::Key key) {
        QTest::keyPress(form.Canvas(), key);
        QTest::keyRelease(form.Canvas(), key);
    }
    // Drags each piece home in turn.
    void Solve() {
        for (int p = 1; p <= g.PieceCount && g.fPlaying; ++p) {
            if (g.PieceAt[static_cast<std::size_t>(p)] == p) continue;
            int from = 1;
            while (g.PieceAt[static_cast<std::size_t>(from)] != p) ++from;
            Drag(from, p);
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int puzzles = argc > 1 ? std::atoi(argv[1]) : 3;
    QTemporaryDir dir;

    QtPlatform platform;
    GameState g(platform);
    Form1 form(g, dir.path().toStdString() + "/",
               [&platform](PictureId id) -> const QImage& { return platform.Picture(id); });
    platform.SetOwner(&form);
    platform.SetBeforeEvents([&form] { form.Sync(); });
    form.showMaximized();
    if (!QTest::qWaitForWindowExposed(&form)) return 2;
    for (int waited = 0; g.fLayoutPending && waited < 20000; waited += 10) QTest::qWait(10);
    if (g.fLayoutPending) return 2;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &AnswerModalWindows);
    watcher.start(5);
    Player player{g, form};

    // A file that is not a picture is refused and changes nothing.
    const QString notPicture = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile f(notPicture);
        if (f.open(QIODevice::WriteOnly)) f.write("no picture here");
    }
    LoadPictureFile(g, notPicture.toStdString());
    Expect(!g.fPictureLoaded, "a text file was taken for a picture", 0);

    const Settings kinds[] = {
        {3, 2, 1, false, false, false},  // regular
        {4, 4, 3, true, false, true},    // irregular, slippery
        {3, 3, 2, false, true, false},   // regular sliding
        {5, 5, 4, true, true, false},    // irregular sliding
    };
    for (int i = 0; i < puzzles; ++i) {
        g.settings = kinds[i % 4];
        const QString picture = WritePicture(dir, i);
        if (i == 0)
            LoadPictureFile(g, picture.toStdString());  // the first picture opens the dialog, accepted
        else if (i % 3 == 0)
            LoadPictureFile(g, picture.toStdString());  // a new picture asks first if a game is on
        else
            form.MnuNew->trigger();
        Expect(g.fPlaying, "no puzzle in play", i);
        if (!g.fPlaying) continue;
        form.Sync();

        player.Key(Qt::Key_F5);
        player.Key(Qt::Key_F6);
        QTest::keyPress(form.Canvas(), Qt::Key_F7);
        Expect(g.win.Shape2.size() > 1 || g.PieceCount < 2, "F7 marked nothing", i);
        QTest::keyRelease(form.Canvas(), Qt::Key_F7);
        player.Key(Qt::Key_F8);
        for (int tick = 0; tick < 25; ++tick) Timer1_Timer(g);
        form.Sync();

        if (g.settings.fSlide) {
            // A few clicks around the board; the next puzzle replaces it.
            for (int p = 1; p <= g.PieceCount; p += 2) QTest::mouseClick(form.Canvas(), Qt::LeftButton, {}, player.Middle(p));
            continue;
        }
        player.Solve();
        Expect(!g.fPlaying, "the solved board was not announced", i);
        QTest::qWait(20);
    }
    watcher.stop();
    std::printf("%d puzzles played, %d failures\n", puzzles, failures);
    return failures == 0 ? 0 : 1;
}
