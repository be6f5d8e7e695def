// The main window, offscreen: start-up, menus, layout, a board painted from a
// real picture, and the commands of the "Ayuda" menu.
#include "ui/Form1.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>

#include "game/Exchange.h"
#include "game/GameMenu.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/ShownGame.h"
#include "ui/FormMorvelin.h"

using namespace quilto;
using Open = std::pair<std::string, std::string>;

namespace {

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

// The colour seen at the middle of position p, and the colour of the piece it holds; smooth scaling
// may shade a flat colour by a step or two, so both are rounded to steps of 8.
std::pair<QString, QString> SeenAndWanted(const GameState& g, const QImage& shot, int p) {
    const auto rounded = [](QColor c) { return QColor(c.red() / 8 * 8, c.green() / 8 * 8, c.blue() / 8 * 8).name(); };
    const QPointF middle = BoardCanvas::ToPixels(g.win.Image1[static_cast<std::size_t>(p)].box).center();
    return {rounded(shot.pixelColor((middle * shot.devicePixelRatio()).toPoint())),
            rounded(CellColour(g.PieceAt[static_cast<std::size_t>(p)] - 1))};
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void startUpMenusAndCaption() {
        QTemporaryDir dir;
        const std::string appDir = dir.path().toStdString() + "/";
        QVERIFY(SaveSettings({6, 4, 2, false, true, false}, appDir + "Quilto.ini"));
        test::FakePlatform platform;
        GameState g(platform);
        g.fPlaying = true;
        Form1 form(g, appDir, test::NoPicture);
        QCOMPARE(std::tuple(form.windowTitle(), form.windowIcon().isNull(), g.settings, g.fPlaying, g.fBorders),
                 std::tuple(QString("Quilto 1.0"), false, Settings{6, 4, 2, false, true, false}, false, true));
        QStringList menus;
        for (QAction* menu : form.menuBar()->actions()) {
            menus << menu->text();
            for (QAction* item : menu->menu()->actions()) menus << item->text() + ' ' + item->shortcut().toString();
        }
        QCOMPARE(menus, QStringList({"Juego", "Nuevo F2", "Cargar imagen F3", "Configuración F4", "Ayuda",
                                     "Como Jugar ", "Acerca de... "}));
    }

    void layoutIsDoneOnceAndTheWindowStaysMaximized() {
        test::ShownGame game;
        QVERIFY(game.Show());
        const QSize outer = game.form.frameGeometry().size();
        const Box frame = game.g.win.Label1.box;
        QCOMPARE(std::tuple(frame, game.g.win.Image2.box, game.g.BoardWidth, game.g.BoardHeight),
                 std::tuple(Box{120, 120, outer.width() * 15.0f - 480, outer.height() * 15.0f - 880}, frame,
                            std::int32_t(frame.Width), std::int32_t(frame.Height)));
        // The lavender frame is on the canvas.
        const QImage shot = game.form.Canvas()->grab().toImage();
        const QPointF inside = BoardCanvas::ToPixels(frame).center();
        QCOMPARE(shot.pixelColor((inside * shot.devicePixelRatio()).toPoint()), QColor(192, 192, 255));
        // A normal window goes straight back to maximized; the frame stays.
        game.form.showNormal();
        QTRY_VERIFY(game.form.isMaximized());
        QCOMPARE(game.g.win.Label1.box, frame);
    }

    void theBoardIsPaintedFromThePictureAndAnExchangeRepaintsBothPositions() {
        QTemporaryDir dir;
        const QString file = dir.filePath("cells.png");
        QVERIFY(CellPicture(5, 4, 60).save(file));
        QtPlatform platform;
        GameState g(platform);
        Form1 form(g, dir.path().toStdString() + "/",
                   [&platform](PictureId id) -> const QImage& { return platform.Picture(id); });
        platform.SetOwner(&form);
        form.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!g.fLayoutPending);
        g.settings = {5, 4, 1, false, false, false};
        g.ShowConfiguration = [&g] { g.fSkipConfirm = true; };  // the first picture's dialog, accepted
        LoadPictureFile(g, file.toStdString());
        form.Sync();
        QCOMPARE(std::tuple(g.fPlaying, g.PieceCount, g.win.Image2.Visible, g.win.Label3.Visible),
                 std::tuple(true, std::int16_t(20), false, false));

        // Every position shows the cell of the piece PieceAt says it holds.
        const QImage shot = form.Canvas()->grab().toImage();
        for (int p = 1; p <= g.PieceCount; ++p) {
            const auto [seen, wanted] = SeenAndWanted(g, shot, p);
            QVERIFY2(seen == wanted, qPrintable(QString("position %1 shows %2, not %3").arg(p).arg(seen, wanted)));
        }
        SwapPieces(g, 1, 2);
        const QRegion dirty = form.Canvas()->Sync();
        for (int p : {1, 2}) {
            const QRect r = BoardCanvas::ToPixels(g.win.Image1[static_cast<std::size_t>(p)].box).toAlignedRect();
            QVERIFY2((QRegion(r) - dirty).isEmpty(), qPrintable(QString("position %1 is not repainted").arg(p)));
        }
    }

    // F2 pressed again, and "Acerca de..." chosen, while "CREANDO PUZZLE..." waits for its repaint.
    void commandsChosenDuringACommandAreDropped() {
        test::ShownGame game;
        GameState& g = game.g;
        g.BoardWidth = g.BoardHeight = 9000;
        g.win.Label1.box = {120, 120, 9000, 9000};
        bool aboutShown = false;
        game.platform.onPendingEvents = [&] {
            if (game.platform.pendingEventPasses > 1) return;
            QTimer::singleShot(0, [&] {
                if (auto* box = QApplication::activeModalWidget()) aboutShown = box->close();
            });
            game.form.MnuInfo->trigger();
            game.form.MnuNew->trigger();
        };
        QVERIFY(game.Start({4, 4, 1, false, false, false}));
        QCOMPARE(std::tuple(game.platform.pendingEventPasses, game.platform.messages.size(), aboutShown),
                 std::tuple(1, std::size_t(0), false));
    }

    // The help page is named relative to the program's folder, given as the working folder
    // without its trailing separator; the about box shows modally over the main window.
    void ayudaOpensTheHelpPageBesideTheProgramAndTheAboutBox() {
        test::ShownGame game;
        QVERIFY(game.Show());
        game.form.MnuHow->trigger();
        QCOMPARE(game.platform.shellOpens, (std::vector<Open>{{"Instrucciones.htm", game.dir.path().toStdString()}}));
        std::pair<bool, QString> shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = {box->parentWidget() == &game.form, box->findChild<QLabel*>("lblTitulo")->text()};
            QTest::keyClick(box, Qt::Key_Escape);
        });
        game.form.MnuInfo->trigger();  // returns once the box is closed
        QCOMPARE(shown, std::pair(true, QString("Quilto 1.0")));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1_test.moc"
