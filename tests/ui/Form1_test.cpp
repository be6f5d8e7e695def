// The main window, offscreen: start-up, menus, layout, the board painted from
// a real picture, what the canvas repaints, and the "Ayuda" menu.
#include "ui/Form1.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>

#include "game/GameMenu.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/ShownGame.h"
#include "support/BoardFixture.h"
#include "ui/FormMorvelin.h"

using namespace quilto;

namespace {

QColor CellColour(int index) {
    return QColor::fromHsv((index * 47) % 360, 200, 120 + (index * 31) % 120);
}

// The union of the regions the widget it watches is asked to paint.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

QRect Area(const Element& e) {
    return BoardCanvas::ToPixels(e.box).toAlignedRect();
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void startUpMenusAndCaption() {
        QTemporaryDir dir;
        test::FakePlatform platform;
        QVERIFY(SaveSettings(platform, {6, 4, 2, false, true, false}, dir.filePath("Quilto.ini").toStdString()));
        GameState g(platform);
        g.fPlaying = true;
        Form1 form(g, dir.path().toStdString() + "/", test::NoPicture);
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
        const QImage shot = game.form.Canvas()->grab().toImage();  // the lavender frame
        QCOMPARE(shot.pixelColor((QRectF(Area(game.g.win.Label1)).center() * shot.devicePixelRatio()).toPoint()),
                 QColor(192, 192, 255));
        game.form.showNormal();  // goes straight back to maximized; the frame stays
        QTRY_VERIFY(game.form.isMaximized());
        QCOMPARE(game.g.win.Label1.box, frame);
    }

    // Every position shows the cell of the piece PieceAt says it holds.
    void theBoardIsPaintedFromThePicture() {
        QTemporaryDir dir;
        QImage cells(5 * 60, 4 * 60, QImage::Format_RGB32);
        QPainter painter(&cells);
        for (int i = 0; i < 20; ++i) painter.fillRect(i % 5 * 60, i / 5 * 60, 60, 60, CellColour(i));
        QVERIFY(cells.save(dir.filePath("cells.png")));
        QtPlatform platform;
        GameState g(platform);
        Form1 form(g, dir.path().toStdString() + "/",
                   [&](PictureId id) -> const QImage& { return platform.Picture(id); });
        platform.SetOwner(&form);
        form.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!g.fLayoutPending);
        g.settings = {5, 4, 1, false, false, false};
        g.ShowConfiguration = [&g] { g.fSkipConfirm = true; };  // the first picture's dialog, accepted
        LoadPictureFile(g, dir.filePath("cells.png").toStdString());
        form.Sync();
        QCOMPARE(std::tuple(g.fPlaying, g.PieceCount, g.win.Image2.Visible, g.win.Label3.Visible),
                 std::tuple(true, std::int16_t(20), false, false));
        const QImage shot = form.Canvas()->grab().toImage();
        // Smooth scaling may shade a flat colour by a step or two.
        const auto rounded = [](QColor c) {
            return QColor(c.red() / 8 * 8, c.green() / 8 * 8, c.blue() / 8 * 8).name();
        };
        for (int p = 1; p <= g.PieceCount; ++p) {
            const QPoint middle = (QRectF(Area(g.win.Piece(p))).center() * shot.devicePixelRatio()).toPoint();
            QCOMPARE(std::pair(p, rounded(shot.pixelColor(middle))),
                     std::pair(p, rounded(CellColour(g.PieceAt[static_cast<std::size_t>(p)] - 1))));
        }
    }

    // Whatever shows of an element, changed, is repainted where it was and
    // where it is; the far corner of the board is not.
    void theCanvasRepaintsEveryChangeThatShows() {
        test::WindowFixture f;
        f.Start({4, 4, 1, false, false, false});
        Window& w = f.g.win;
        Element &piece = w.Piece(1), &caption = w.Label3, &frame = w.Shape1;
        for (Element* e : {&caption, &frame}) {
            e->box = piece.box;
            e->Visible = true;
        }
        const auto repoint = [&g = f.g, &piece] {  // the same handle stands for other pixels
            std::vector<PixelRect> rects;
            for (PictureHandle h = 1; static_cast<std::size_t>(h) < g.pictures.Size(); ++h)
                rects.push_back(g.pictures[h]);
            rects[static_cast<std::size_t>(piece.Picture) - 1].Left += 5;
            g.pictures.Clear();
            for (const PixelRect& r : rects) g.pictures.Add(r);
        };
        const std::tuple<const char*, Element*, std::function<void()>> changes[] = {
            {"box", &piece, [&] { piece.box.Left += 300; }},
            {"picture", &piece, [&] { piece.Picture = w.Piece(2).Picture; }},
            {"picture's pixels", &piece, repoint},
            {"visibility", &piece, [&] { piece.Visible = false; }},
            {"z-order", &piece, [&] { w.BringToFront(piece); }},
            {"border", &piece, [&] { piece.Border = !piece.Border; }},
            {"colour", &caption, [&] { caption.BackColor.r ^= 0xff; }},
            {"text colour", &caption, [&] { caption.ForeColor.g ^= 0xff; }},
            {"caption", &caption, [&] { caption.Caption += "X"; }},
            {"bold", &caption, [&] { caption.Bold = !caption.Bold; }},
            {"font size", &caption, [&] { caption.FontPoints += 2; }},
            {"hint look", &frame, [&] { w.Shape1IsHint = !w.Shape1IsHint; }},
        };
        const QPoint far = Area(w.Piece(f.g.PieceCount)).center();
        BoardCanvas canvas(f.g, test::NoPicture);
        canvas.resize(700, 500);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        PaintSpy spy;
        canvas.installEventFilter(&spy);
        for (const auto& [kind, element, change] : changes) {
            canvas.Sync();
            QTest::qWait(5);
            spy.painted = {};
            const QRect before = Area(*element);
            change();
            canvas.Sync();
            (void)QTest::qWaitFor([&] { return !spy.painted.isEmpty(); }, 300);
            const QRegion missed = QRegion(before) + Area(*element) - spy.painted;
            QCOMPARE(std::tuple(kind, missed.boundingRect(), spy.painted.contains(far)),
                     std::tuple(kind, QRect(), false));
        }
    }

    // F2 pressed again, and "Acerca de..." chosen, while "CREANDO PUZZLE..." waits for its repaint.
    void commandsChosenDuringACommandAreDropped() {
        test::ShownGame game;
        game.g.BoardWidth = game.g.BoardHeight = 9000;
        game.g.win.Label1.box = {120, 120, 9000, 9000};
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

    // The help page beside the program (its folder without the trailing
    // separator); the about box modal over the main window.
    void ayudaOpensTheHelpPageBesideTheProgramAndTheAboutBox() {
        test::ShownGame game;
        QVERIFY(game.Show());
        game.form.MnuHow->trigger();
        QCOMPARE(
            game.platform.shellOpens,
            (std::vector<std::pair<std::string, std::string>>{{"Instrucciones.htm", game.dir.path().toStdString()}}));
        std::pair<bool, QString> shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = {box->parentWidget() == &game.form, box->findChild<QLabel*>("lblTitulo")->text()};
            QTest::keyClick(box, Qt::Key_Escape);
        });
        game.form.MnuInfo->trigger();  // returns once the box is closed
        QCOMPARE(shown, std::pair(true, QString("Quilto 1.0")));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1_test.moc"
