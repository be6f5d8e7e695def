// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window, offscreen, with real mouse and key events: start-up, menus,
// layout, the board painted from the picture, what the canvas repaints, drags
// ended by a button, a box or a slippery move, the drag pointers, and the
// game's keys from the canvas, an open menu and a modal dialog, the play keys
// from any widget.
#include "ui/Form1.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "game/KeyboardAids.h"
#include "game/KeyboardPlay.h"
#include "settings/SettingsFile.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "ui/DragCursors.h"
#include "ui/Form2.h"
#include "ui/FormMorvelin.h"

using namespace quilto;

namespace {

// The main window shown maximized and laid out, on a fake platform whose
// pictures all show `picture` (no pixels unless a test paints some), started
// with saved settings.
struct ShownGame {
    QTemporaryDir dir;
    test::FakePlatform platform;
    const bool saved = SaveSettings(platform, {6, 4, 2, false, true, false}, dir.filePath("Quilto.ini").toStdString());
    GameState g{platform};
    DecodedPicture picture;
    Form1 form{g, dir.path().toStdString() + "/", [this](PictureId) -> const DecodedPicture& { return picture; }};

    ShownGame() {
        form.showMaximized();
        if (!QTest::qWaitForWindowExposed(&form, 30000) || !QTest::qWaitFor([&] { return !g.fLayoutPending; }, 30000))
            qFatal("the main window is not laid out");
    }
    // "Nuevo" with these settings and a 400 x 200 picture loaded; true when a puzzle is in play.
    bool Start(const Settings& s) {
        platform.pictures["pic"] = {400, 200};
        g.PicClip1 = HeldPicture(platform, platform.LoadPicture("pic"));
        g.fPictureLoaded = true;
        g.settings = s;
        form.MnuNew->trigger();
        return g.fPlaying;
    }
    static QRect Area(const Element& e) { return BoardCanvas::ToPixels(e.box).toAlignedRect(); }
    QPoint Middle(int p) const { return Area(g.win.Piece(p)).center(); }
};

// Watches a widget: the union of the regions it is asked to paint.
struct Spy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    // The saved settings, the caption and the menus; the board frame fills the
    // maximized window, and the window goes back to maximized when restored.
    void startUpMenusAndLayout() {
        ShownGame game;
        QStringList menus;
        for (QAction* menu : game.form.menuBar()->actions()) {
            menus << menu->text();
            for (QAction* item : menu->menu()->actions()) menus << item->text() + ' ' + item->shortcut().toString();
        }
        QCOMPARE_FIELDS((game.form.windowTitle(), game.form.windowIcon().isNull(), game.g.settings, menus,
                         game.form.MnuSave->isEnabled(), game.form.MnuContinue->isEnabled()),
                        (QString("Quilto 1.0"), false, Settings{6, 4, 2, false, true, false},
                         QStringList({"Juego", "Nuevo F2", "Cargar imagen F3", "Configuración F4", " ",
                                      "Continuar partida Ctrl+R", "Guardar partida... Ctrl+S",
                                      "Abrir partida... Ctrl+O", "Ayuda", "Como Jugar ", "Acerca de... "}),
                         false, false));  // no game to save yet, none kept
        const QSize outer = game.form.frameGeometry().size();
        const Box frame = game.g.win.Label1.box;
        // Pictures are kept for the board's size in device pixels.
        const qreal ratio = game.form.devicePixelRatioF();
        QCOMPARE_FIELDS(
            (frame, game.g.win.Image2.box, game.g.BoardWidth, game.g.BoardHeight, game.form.LargestBoardPixels()),
            (Box{120, 120, outer.width() * 15.0f - 480, outer.height() * 15.0f - 880}, frame, std::int32_t(frame.Width),
             std::int32_t(frame.Height),
             QSize(int(std::ceil(frame.Width / 15 * ratio)), int(std::ceil(frame.Height / 15 * ratio)))));
        game.form.showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(game.form.isMaximized(), 30000);
        QCOMPARE(game.g.win.Label1.box, frame);
    }

    // Every position shows the cell of the piece PieceAt says it holds.
    void theBoardIsPaintedAndRepaintedWhereItChanges() {
        ShownGame game;
        game.picture = DecodedPicture(QImage(400, 200, QImage::Format_RGB32));
        const auto cell = [](int i) { return QColor::fromHsv((i * 47) % 360, 200, 120 + (i * 31) % 120); };
        QPainter painter(&game.picture.image);
        for (int i = 0; i < 20; ++i) painter.fillRect(i % 5 * 80, i / 5 * 50, 80, 50, cell(i));
        QVERIFY(game.Start({5, 4, 1, false, false, false}));
        QCOMPARE(game.form.MnuSave->isEnabled(), true);
        const QImage shot = game.form.Canvas()->grab().toImage();
        // Smooth scaling may shade a flat colour by a step or two.
        const auto rounded = [](QColor c) { return QColor(c.red() / 8 * 8, c.green() / 8 * 8, c.blue() / 8 * 8); };
        for (int p = 1; p <= game.g.PieceCount; ++p)
            QCOMPARE_FIELDS((rounded(shot.pixelColor(game.Middle(p) * shot.devicePixelRatio()))),
                            (rounded(cell(game.g.PieceAt[static_cast<std::size_t>(p)] - 1))), p);

        // Whatever shows of an element, changed, is repainted where it was and
        // where it is; the far corner of the board is not.
        GameState& g = game.g;
        Window& w = g.win;
        Element &piece = w.Piece(1), &caption = w.Label3, &frame = w.Shape1;
        caption.box = frame.box = piece.box;
        caption.Visible = frame.Visible = true;
        const auto repoint = [&] {  // the same handle stands for other pixels
            const PictureTable old = g.pictures;
            g.pictures.Clear();
            for (PictureHandle h = 1; static_cast<std::size_t>(h) < old.Size(); ++h)
                g.pictures.Add({old[h].source, old[h].Left + (h == piece.Picture ? 5 : 0), old[h].Top, old[h].Width,
                                old[h].Height});
        };
        const std::tuple<const char*, Element*, std::function<void()>> changes[] = {
            {"box", &piece, [&] { piece.box.Left += 300; }},
            {"picture", &piece, [&] { piece.Picture = w.Piece(2).Picture; }},
            {"picture's pixels", &piece, repoint},
            {"visibility", &piece, [&] { piece.Visible = false; }},
            {"z-order", &piece, [&] { w.BringToFront(piece); }},
            {"border", &piece, [&] { piece.Border = !piece.Border; }},
            {"colour", &caption, [&] { caption.BackColor.r ^= 0x80; }},
            {"text colour", &caption, [&] { caption.ForeColor.g ^= 0x80; }},
            {"caption", &caption, [&] { caption.Caption += "X"; }},
            {"bold", &caption, [&] { caption.Bold = !caption.Bold; }},
            {"font size", &caption, [&] { caption.FontPoints += 2; }},
            {"kind", &frame, [&] { frame.Kind = ElementKind::HintFrame; }},
        };
        const QPoint far = game.Middle(g.PieceCount);
        BoardCanvas* canvas = game.form.Canvas();
        Spy spy;
        canvas->installEventFilter(&spy);
        for (const auto& [kind, element, change] : changes) {
            canvas->Sync();
            QTest::qWait(5);
            spy.painted = {};
            const QRect before = game.Area(*element);
            change();
            canvas->Sync();
            const QRegion shown = QRegion(before) + game.Area(*element);
            (void)QTest::qWaitFor([&] { return (shown - spy.painted).isEmpty(); }, 30000);
            QCOMPARE_FIELDS(((shown - spy.painted).boundingRect(), spy.painted.contains(far)), (QRect(), false), kind);
        }
    }

    // F2 pressed again, and "Acerca de..." chosen, while "CREANDO PUZZLE..."
    // waits for its repaint, are dropped. Afterwards the about box shows
    // modal over the main window, and the help page beside the program opens
    // (its folder without the trailing separator).
    void theCommandsAndThoseChosenDuringACommand() {
        ShownGame game;
        const QWidget* aboutOver = nullptr;
        const auto closeTheAboutBox = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget()))
                    aboutOver = box->parentWidget(), box->close();
            });
        };
        game.platform.onPendingEvents = [&] {
            if (game.platform.pendingEventPasses > 1) return;
            closeTheAboutBox();
            game.form.MnuInfo->trigger();
            game.form.MnuNew->trigger();
        };
        QVERIFY(game.Start({4, 4, 1, false, false, false}));
        const QWidget* aboutDuringCommand = aboutOver;
        closeTheAboutBox();
        game.form.MnuInfo->trigger();  // returns once the box is closed
        game.form.MnuHow->trigger();
        QCOMPARE_FIELDS((game.platform.pendingEventPasses, game.platform.messages.size(), aboutDuringCommand, aboutOver,
                         game.platform.shellOpens),
                        (1, std::size_t(0), nullptr, static_cast<const QWidget*>(&game.form),
                         Opens{{"Instrucciones.htm", game.dir.path().toStdString()}}));
    }

    // A drag ended by another button (its trial undone, both releases still
    // reaching the piece), by a box opening (the question of "Nuevo",
    // answered Cancelar) or by a slippery move takes its hand off the screen
    // at once, not at the next click.
    void aDragEndedByAButtonABoxOrASlipperyMoveTakesItsHandAlong() {
        ShownGame game;
        QVERIFY(game.Start({4, 4, 1, false, false, true}));
        GameState& g = game.g;
        BoardCanvas* canvas = game.form.Canvas();
        const Board start = g.PieceAt;
        const auto grab = [&] {
            QTest::mousePress(canvas, Qt::LeftButton, {}, game.Middle(1));
            QTest::mouseMove(canvas, game.Middle(2));
            return canvas->cursor().shape();
        };
        const auto release = [&] { QTest::mouseRelease(canvas, Qt::LeftButton, {}, game.Middle(2)); };
        const auto shown = [&] { return FIELDS(g.fDragging, canvas->cursor().shape()); };
        const Qt::CursorShape grabbed = grab();
        QTest::mouseClick(canvas, Qt::RightButton, {}, game.Middle(2));
        const auto afterButton = shown();
        release();
        const auto cancelled = FIELDS(g.PieceAt == start, game.platform.sounds.size());
        grab();
        game.platform.answers = {MsgResult::Cancel};
        game.form.MnuNew->trigger();
        const auto afterBox = shown();
        release();
        QCOMPARE_FIELDS((grabbed, afterButton, cancelled, grab(), afterBox),
                        (Qt::BitmapCursor, std::tuple(false, Qt::ArrowCursor), std::tuple(true, std::size_t(2)),
                         Qt::BitmapCursor, std::tuple(false, Qt::ArrowCursor)));
        g.win.Label4.box.Width = g.win.Label1.box.Width;  // the next tick fills the bar
        QTRY_VERIFY_WITH_TIMEOUT(!g.fDragging, 60000);
        QCOMPARE_FIELDS((shown()), (std::tuple(false, Qt::ArrowCursor)));
        release();
    }

    // Hands with the fingertip at the hot spot and the far corner clear; over
    // nothing, a red bar strikes through.
    void dragPointersAreHandsWithTheHotSpotAtTheFingertip() {
        for (const Cursor c : {Cursor::DragOverPiece, Cursor::DragOverNothing}) {
            const QCursor cursor = ToQCursor(c);
            const QImage picture = cursor.pixmap().toImage();
            const QColor bar = picture.pixelColor(24, 10);
            const bool redBar = bar.alpha() > 0 && bar.red() > 150 && bar.green() < 60;
            QCOMPARE_FIELDS((cursor.hotSpot(), picture.size(), qAlpha(picture.pixel(3, 1)) > 0,
                             qAlpha(picture.pixel(30, 30)), redBar),
                            (QPoint(3, 0), QSize(32, 32), true, 0, c == Cursor::DragOverNothing), c);
        }
    }

    // F7 held on the canvas (the system sends release and press again, both
    // marked as repeats) marks once and pauses the timer. "Configuración",
    // opened meanwhile, ignores the game's keys, but F7 let go there takes
    // the marks away once it closes. F5 to F8 reach the game from an open menu.
    void theGamesKeysFromTheCanvasAModalDialogAndAnOpenMenu() {
        ShownGame game;
        QVERIFY(game.Start({4, 4, 1, false, false, true}));  // slippery: the timer runs
        GameState& g = game.g;
        const auto state = [&] {
            return FIELDS(g.win.Shape2.size(), g.win.Shape1.Visible, g.win.Image2.Visible, g.fBorders,
                          game.form.Timer1().isActive());
        };
        const std::size_t marks = MisplacedPositions(g).size() + 1;
        const bool borders = g.fBorders;
        QTest::keyPress(game.form.Canvas(), Qt::Key_F7);
        for (int i = 0; i < 6; ++i) {
            QKeyEvent e(i % 2 ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(game.form.Canvas(), &e);
        }
        const auto held = state();
        const std::size_t heldSounds = game.platform.sounds.size();
        auto inside = state();  // the game while the dialog has the keys
        bool dialogHadKeys = false;
        QTimer::singleShot(0, &game.form, [&] {
            Form2* dialog = game.form.ConfigurationDialog();
            if (QTest::qWaitForWindowActive(dialog, 30000) && QApplication::activeModalWidget() == dialog) {
                for (const Qt::Key key : {Qt::Key_F6, Qt::Key_F8}) QTest::keyPress(dialog->focusWidget(), key);
                for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F6, Qt::Key_F8})
                    QTest::keyRelease(dialog->focusWidget(), key);
                inside = state(), dialogHadKeys = true;
            }
            dialog->done(QDialog::Rejected);
        });
        game.form.MnuConf->trigger();
        const auto closed = state();
        QMenu* juego = game.form.menuBar()->actions().at(0)->menu();
        juego->popup(game.form.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY_WITH_TIMEOUT(juego->isVisible(), 30000);
        for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F6}) QTest::keyClick(juego, key);
        for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyPress(juego, key);
        const auto down = state();
        for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyRelease(juego, key);
        juego->close();
        QCOMPARE_FIELDS(
            (held, heldSounds, dialogHadKeys, inside, closed, down, state()),
            (std::tuple(marks, false, false, borders, false), std::size_t(1), true,
             std::tuple(marks, false, false, borders, false), std::tuple(std::size_t(1), false, false, borders, true),
             std::tuple(marks, true, true, !borders, false), std::tuple(std::size_t(1), true, false, !borders, true)));
    }

    // The arrows, Space, Enter and Esc reach the game from the canvas, the
    // window and the menu bar; an open menu keeps its own arrows and Esc.
    void thePlayKeysFromAnyWidgetButNotFromAnOpenMenu() {
        ShownGame game;
        QVERIFY(game.Start({3, 3, 1, false, false, false}));
        GameState& g = game.g;
        const Board start = g.PieceAt;
        const auto state = [&] { return FIELDS(int(g.KeySlot), g.fDragging, g.PieceAt == start); };
        QTest::keyClick(game.form.Canvas(), Qt::Key_Right);  // the cursor shows at 5
        QTest::keyClick(&game.form, Qt::Key_Up);
        QTest::keyClick(game.form.menuBar(), Qt::Key_Space);
        QTest::keyClick(game.form.menuBar(), Qt::Key_Right);  // 2 tried with 3
        const auto tried = state();
        QMenu* juego = game.form.menuBar()->actions().at(0)->menu();
        juego->popup(game.form.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY_WITH_TIMEOUT(juego->isVisible(), 30000);
        QTest::keyClick(juego, Qt::Key_Down);
        const bool walked = juego->activeAction() != nullptr;
        QTest::keyClick(juego, Qt::Key_Escape);
        const auto underMenu = state();
        const bool menuOpen = juego->isVisible();
        QTest::keyClick(game.form.Canvas(), Qt::Key_Escape);
        const auto cancelled = state();
        const Qt::CursorShape pointer = game.form.Canvas()->cursor().shape();
        QTest::keyClick(game.form.Canvas(), Qt::Key_Left);
        QTest::keyClick(&game.form, Qt::Key_Down);
        QTest::keyClick(game.form.Canvas(), Qt::Key_Return);  // 5 picked up
        QCOMPARE_FIELDS((tried, underMenu, walked, menuOpen, cancelled, pointer, state()),
                        (std::tuple(3, true, false), std::tuple(3, true, false), true, false,
                         std::tuple(3, false, true), Qt::ArrowCursor, std::tuple(5, true, true)));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1_test.moc"
