// Playing on the main window with real mouse and key events, offscreen: a
// small board won with the mouse, the drag pointers, and F7 and F8 from the
// canvas, an open menu and a modal dialog.
#include <QMenu>
#include <QMenuBar>

#include "game/Exchange.h"
#include "game/KeyboardAids.h"
#include "support/ShownGame.h"
#include "ui/DragCursors.h"
#include "ui/Form2.h"

using namespace quilto;
using Texts = std::vector<std::string>;
using Board = std::vector<std::int16_t>;

namespace {

// Counts the key presses that reach the object it watches.
struct KeySpy : QObject {
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        presses += e->type() == QEvent::KeyPress;
        return false;
    }
};

// A 4 x 4 board with slippery pieces in play on the shown window.
struct SlipperyGame : test::ShownGame {
    SlipperyGame() {
        if (!Show() || !Start({4, 4, 1, false, false, true})) qFatal("no puzzle in play");
    }
    // Opens "Configuración" and runs `inside` on its focused control once it is active; then cancels.
    template <typename F>
    void InDialog(F inside) {
        QTimer::singleShot(0, &form, [&] {
            Form2* dialog = form.ConfigurationDialog();
            if (QTest::qWaitForWindowActive(dialog) && QApplication::activeModalWidget() == dialog)
                inside(dialog->focusWidget() ? dialog->focusWidget() : dialog);
            dialog->done(QDialog::Rejected);
        });
        form.MnuConf->trigger();
    }
};

}  // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT
private slots:
    void aDragWinsAndTheFinishedPictureThenTakesEveryPress() {
        test::ShownGame game;
        QVERIFY(game.Show());
        QVERIFY(game.Start({2, 1, 1, false, false, false}));
        GameState& g = game.g;
        if (g.PieceAt[1] == 1) SwapPieces(g, 1, 2);  // the shuffle may have left it solved
        game.form.Sync();
        BoardCanvas* canvas = game.form.Canvas();
        const QPoint one = game.Middle(1), two = game.Middle(2);
        std::tuple<std::int16_t, Qt::CursorShape> over;  // the drop slot and the pointer before letting go
        const auto drag = [&](bool cancel) {
            QTest::mousePress(canvas, Qt::LeftButton, {}, one);
            QTest::mouseMove(canvas, two);
            over = {g.DropSlot, canvas->cursor().shape()};
            if (cancel) QTest::mouseClick(canvas, Qt::RightButton, {}, two);
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, two);
        };
        drag(true);  // a trial that would solve the board, cancelled by the right button
        QCOMPARE(std::tuple(over, g.PieceAt, game.platform.sounds.size(), game.platform.MessageTexts()),
                 std::tuple(std::tuple(std::int16_t(2), Qt::BitmapCursor), Board{0, 2, 1}, std::size_t(2), Texts{}));
        drag(false);
        QCOMPARE(std::tuple(g.PieceAt, g.fPlaying, g.win.Image2.Visible, canvas->cursor().shape()),
                 std::tuple(Board{0, 1, 2}, false, true, Qt::ArrowCursor));
        // The finished picture lies over the board: presses reach no piece.
        const std::size_t sounds = game.platform.sounds.size();
        drag(true);
        drag(false);
        QCOMPARE(std::tuple(g.PieceAt, game.platform.sounds.size(), game.platform.MessageTexts(), g.win.Shape1.Visible),
                 std::tuple(Board{0, 1, 2}, sounds, Texts{"Lo has logrado!"}, false));
    }

    // The fingertip at the hot spot, the far corner clear; the bar strikes
    // through the picture in red.
    void dragPointersAreHandsWithTheHotSpotAtTheFingertip() {
        for (const Cursor c : {Cursor::DragOverPiece, Cursor::DragOverNothing}) {
            const QCursor cursor = ToQCursor(c);
            const QImage picture = cursor.pixmap().toImage();
            QCOMPARE(std::tuple(cursor.hotSpot(), picture.size(), qAlpha(picture.pixel(3, 1)) > 0,
                                qAlpha(picture.pixel(30, 30))),
                     std::tuple(QPoint(3, 0), QSize(32, 32), true, 0));
        }
        const QColor bar = DragCursorPicture(false, 1).toImage().pixelColor(24, 10);
        QCOMPARE(
            std::tuple(qAlpha(DragCursorPicture(true, 1).toImage().pixel(24, 10)), bar.red() > 150, bar.green() < 60),
            std::tuple(0, true, true));
    }

    // A held key: the system sends release and press again, both marked as repeats.
    void heldF7OnTheCanvasMarksOnceAndPausesTheTimer() {
        SlipperyGame game;
        BoardCanvas* canvas = game.form.Canvas();
        const std::size_t marks = MisplacedPositions(game.g).size() + 1;
        QTest::keyPress(canvas, Qt::Key_F7);
        for (int i = 0; i < 6; ++i) {
            QKeyEvent e(i % 2 ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(canvas, &e);
        }
        QCOMPARE(std::tuple(game.g.win.Shape2.size(), game.platform.sounds.size(), game.form.Timer1().isActive()),
                 std::tuple(marks, std::size_t(1), false));
        QTest::keyRelease(canvas, Qt::Key_F7);
        QCOMPARE(std::tuple(game.g.win.Shape2.size(), game.form.Timer1().isActive()), std::tuple(std::size_t(1), true));
    }

    void f8InAnOpenMenuPeeksAtTheFinishedPicture() {
        SlipperyGame game;
        QMenu* juego = game.form.menuBar()->actions().at(0)->menu();
        juego->popup(game.form.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(juego->isVisible());
        QTest::keyPress(juego, Qt::Key_F8);
        QCOMPARE(std::tuple(game.g.win.Image2.Visible, game.g.fPeeking, game.form.Timer1().isActive()),
                 std::tuple(true, true, false));
        QTest::keyRelease(juego, Qt::Key_F8);
        QCOMPARE(std::tuple(game.g.win.Image2.Visible, game.form.Timer1().isActive()), std::tuple(false, true));
        juego->close();
    }

    void aModalDialogKeepsItsKeys() {
        SlipperyGame game;
        int reached = 0;
        std::pair<std::size_t, bool> inside{99, true};  // marks and peek while the keys were down
        game.InDialog([&](QWidget* target) {
            KeySpy spy;
            target->installEventFilter(&spy);
            for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyPress(target, key);
            inside = {game.g.win.Shape2.size() - 1, game.g.win.Image2.Visible};
            for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyRelease(target, key);
            reached = spy.presses;
            target->removeEventFilter(&spy);
        });
        QCOMPARE(std::tuple(reached, inside, game.form.Timer1().isActive(), game.platform.sounds.size()),
                 std::tuple(2, std::pair(std::size_t(0), false), true, std::size_t(0)));
    }

    // F7 held when "Configuración" opens, let go inside the dialog: the marks
    // go and the slippery pieces go on once the dialog is closed.
    void aKeyLetGoInsideTheDialogIsTheGamesOnceItCloses() {
        SlipperyGame game;
        QTest::keyPress(game.form.Canvas(), Qt::Key_F7);
        std::size_t marksInside = 0;
        game.InDialog([&](QWidget* target) {
            QTest::keyRelease(target, Qt::Key_F7);
            marksInside = game.g.win.Shape2.size() - 1;
        });
        QVERIFY(marksInside > 0);
        QCOMPARE(std::tuple(game.g.fKeyMoving, game.g.win.Shape2.size(), game.form.Timer1().isActive()),
                 std::tuple(false, std::size_t(1), true));
        QTest::keyPress(game.form.Canvas(), Qt::Key_F7);  // the key is up: pressing it again marks afresh
        QCOMPARE(game.g.fKeyMoving, true);
        QTest::keyRelease(game.form.Canvas(), Qt::Key_F7);
    }
};

QTEST_MAIN(Form1PlayTest)
#include "Form1Play_test.moc"
