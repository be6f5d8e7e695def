// The main window, offscreen: start-up, menu, layout, and a board painted
// from a real picture.
#include "ui/Form1.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "game/Exchange.h"
#include "game/GameMenu.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"

using namespace quilto;

namespace {

const QImage& NoPicture(PictureId) {
    static const QImage none;
    return none;
}

QColor CellColour(int index) {
    return QColor::fromHsv((index * 47) % 360, 200, 120 + (index * 31) % 120);
}

// A picture of cols x rows flat cells, each of its own colour.
QImage CellPicture(int cols, int rows, int cell) {
    QImage image(cols * cell, rows * cell, QImage::Format_RGB32);
    QPainter p(&image);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) p.fillRect(c * cell, r * cell, cell, cell, CellColour(r * cols + c));
    return image;
}

// Smooth scaling may shade a flat colour by a step or two.
bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 6;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void startUpMenuAndCaption();
    void layoutIsDoneOnceAndWindowStaysMaximized();
    void boardIsPaintedFromThePicture();
    void commandsPressedDuringACommandAreDropped();
};

void Form1Test::startUpMenuAndCaption() {
    QTemporaryDir dir;
    const std::string appDir = dir.path().toStdString() + "/";
    QVERIFY(SaveSettings({6, 4, 2, false, true, false}, appDir + "Quilto.ini"));
    test::FakePlatform platform;
    GameState g(platform);
    g.fPlaying = true;
    Form1 form(g, appDir, NoPicture);

    QCOMPARE(form.windowTitle(), QString("Quilto 1.0"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(g.settings, (Settings{6, 4, 2, false, true, false}));
    QVERIFY(!g.fPlaying && g.fBorders && !g.fPictureLoaded);

    const QList<QAction*> menus = form.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text() + menus[1]->text(), QString("JuegoAyuda"));
    const std::pair<QAction*, QString> items[] = {{form.MnuNew, "Nuevo"},
                                                  {form.MnuLoad, "Cargar imagen"},
                                                  {form.MnuConf, "Configuración"},
                                                  {form.MnuHow, "Como Jugar"},
                                                  {form.MnuInfo, "Acerca de..."}};
    for (const auto& [action, text] : items) QCOMPARE(action->text(), text);
    QCOMPARE(form.MnuNew->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(form.MnuLoad->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(form.MnuConf->shortcut(), QKeySequence(Qt::Key_F4));
}

void Form1Test::layoutIsDoneOnceAndWindowStaysMaximized() {
    QTemporaryDir dir;
    test::FakePlatform platform;
    GameState g(platform);
    Form1 form(g, dir.path().toStdString(), NoPicture);
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(!g.fLayoutPending);

    const QSize outer = form.frameGeometry().size();
    const Box frame = g.win.Label1.box;
    QVERIFY(frame == (Box{120, 120, outer.width() * 15.0f - 480, outer.height() * 15.0f - 880}));
    QCOMPARE(g.BoardWidth, static_cast<std::int32_t>(frame.Width));
    QCOMPARE(g.BoardHeight, static_cast<std::int32_t>(frame.Height));
    QVERIFY(g.win.Image2.box == frame);

    // The lavender frame is on the canvas.
    const QImage shot = form.Canvas()->grab().toImage();
    const QPoint inside(static_cast<int>((frame.Left + frame.Width / 2) / 15),
                        static_cast<int>((frame.Top + frame.Height / 2) / 15));
    QCOMPARE(shot.pixelColor(inside * shot.devicePixelRatio()), QColor(192, 192, 255));

    // A normal window goes straight back to maximized; the frame stays.
    form.showNormal();
    QTRY_VERIFY(form.isMaximized());
    QVERIFY(g.win.Label1.box == frame);
}

void Form1Test::boardIsPaintedFromThePicture() {
    QTemporaryDir dir;
    const int cols = 5, rows = 4;
    const QString file = dir.filePath("cells.png");
    QVERIFY(CellPicture(cols, rows, 60).save(file));
    const std::string appDir = dir.path().toStdString() + "/";
    QVERIFY(SaveSettings({cols, rows, 1, false, false, false}, appDir + "Quilto.ini"));

    QtPlatform platform;
    GameState g(platform);
    Form1 form(g, appDir, [&platform](PictureId id) -> const QImage& { return platform.Picture(id); });
    platform.SetOwner(&form);
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(!g.fLayoutPending);

    // The first picture opens the configuration dialog; accept it as it is.
    g.ShowConfiguration = [&g] { g.fSkipConfirm = true; };
    LoadPictureFile(g, file.toStdString());
    form.Sync();
    QVERIFY(g.fPlaying && g.PieceCount == cols * rows);

    // Every position shows the cell of the piece PieceAt says it holds.
    const QImage shot = form.Canvas()->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    for (int p = 1; p <= g.PieceCount; ++p) {
        const QRectF r = BoardCanvas::ToPixels(g.win.Image1[p].box);
        QVERIFY(g.win.Image1[p].Visible);
        const QColor seen = shot.pixelColor((r.center() * dpr).toPoint());
        const QColor want = CellColour(g.PieceAt[p] - 1);
        QVERIFY2(Near(seen, want), qPrintable(QString("position %1 shows %2, piece %3 is %4")
                                                  .arg(p)
                                                  .arg(seen.name())
                                                  .arg(g.PieceAt[p])
                                                  .arg(want.name())));
    }
    // The finished picture stays hidden during play, the busy caption is gone.
    QVERIFY(!g.win.Image2.Visible && !g.win.Label3.Visible);

    // An exchange repaints the two positions.
    SwapPieces(g, 1, 2);
    form.Sync();
    const QImage after = form.Canvas()->grab().toImage();
    const QRectF r1 = BoardCanvas::ToPixels(g.win.Image1[1].box);
    QVERIFY(Near(after.pixelColor((r1.center() * dpr).toPoint()), CellColour(g.PieceAt[1] - 1)));
}

void Form1Test::commandsPressedDuringACommandAreDropped() {
    QTemporaryDir dir;
    test::FakePlatform platform;
    GameState g(platform);
    Form1 form(g, dir.path().toStdString(), NoPicture);
    g.BoardWidth = g.BoardHeight = 9000;
    g.win.Label1.box = {120, 120, 9000, 9000};
    platform.pictures["pic"] = {300, 300};
    g.PicClip1 = platform.LoadPicture("pic");
    g.fPictureLoaded = true;
    g.settings = {4, 4, 1, false, false, false};
    // F2 pressed again while "CREANDO PUZZLE..." waits for its repaint.
    platform.onPendingEvents = [&] {
        if (platform.pendingEventPasses == 1) form.MnuNew->trigger();
    };
    form.MnuNew->trigger();
    QCOMPARE(platform.pendingEventPasses, 1);
    QVERIFY(g.fPlaying && platform.messages.empty());
}

QTEST_MAIN(Form1Test)
#include "Form1_test.moc"
