// Playing on the main window with real mouse and key events, offscreen: a
// small board won with the mouse, the drag pointers, and F7 and F8 from the
// canvas, an open menu and a modal dialog.
#include <QApplication>
#include <QKeyEvent>
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
class KeySpy : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        presses += e->type() == QEvent::KeyPress;
        return false;
    }
};

void SendRepeat(QWidget* w, QEvent::Type type, Qt::Key key) {
    QKeyEvent e(type, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w, &e);
}

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

        // A trial that would solve the board, cancelled by the right button.
        QTest::mousePress(canvas, Qt::LeftButton, {}, one);
        QTest::mouseMove(canvas, two);
        QCOMPARE(std::tuple(g.DropSlot, canvas->cursor().shape()), std::tuple(std::int16_t(2), Qt::BitmapCursor));
        QTest::mousePress(canvas, Qt::RightButton, {}, two);
        QTest::mouseRelease(canvas, Qt::RightButton, {}, two);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, two);
        QCOMPARE(g.PieceAt, (Board{0, 2, 1}));
        QCOMPARE(game.platform.sounds.size(), std::size_t(2));

        QTest::mousePress(canvas, Qt::LeftButton, {}, one);
        QTest::mouseMove(canvas, two);
        QCOMPARE(game.platform.MessageTexts(), Texts{});
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, two);
        QCOMPARE(game.platform.MessageTexts(), Texts{"Lo has logrado!"});
        QCOMPARE(std::tuple(g.PieceAt, g.fPlaying, g.win.Image2.Visible, canvas->cursor().shape()),
                 std::tuple(Board{0, 1, 2}, false, true, Qt::ArrowCursor));

        // The finished picture lies over the board: presses reach no piece.
        const std::size_t sounds = game.platform.sounds.size();
        QTest::mousePress(canvas, Qt::LeftButton, {}, one);
        QTest::mouseMove(canvas, two);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, two);
        QTest::mouseClick(canvas, Qt::RightButton, {}, two);
        QCOMPARE(
            std::tuple(g.PieceAt, game.platform.sounds.size(), game.platform.messages.size(), g.win.Shape1.Visible),
            std::tuple(Board{0, 1, 2}, sounds, std::size_t(1), false));
    }

    void dragPointersAreHandsWithTheHotSpotAtTheFingertip() {
        for (const Cursor c : {Cursor::DragOverPiece, Cursor::DragOverNothing}) {
            const QCursor cursor = ToQCursor(c);
            const QImage picture = cursor.pixmap().toImage();
            // The fingertip is drawn right at the hot spot; the corner far from
            // the hand is clear unless the bar crosses it.
            QCOMPARE(std::tuple(cursor.hotSpot(), picture.size(), qAlpha(picture.pixel(3, 1)) > 0,
                                qAlpha(picture.pixel(30, 30))),
                     std::tuple(QPoint(3, 0), QSize(32, 32), true, 0));
        }
        // The bar strikes through the middle of the picture in red.
        QCOMPARE(qAlpha(DragCursorPicture(true, 1).toImage().pixel(24, 10)), 0);
        const QColor bar = DragCursorPicture(false, 1).toImage().pixelColor(24, 10);
        QVERIFY2(bar.red() > 150 && bar.green() < 60, qPrintable(bar.name()));
    }

    // A held key: the system sends release and press again, both marked as repeats.
    void heldF7OnTheCanvasMarksOnceAndPausesTheTimer() {
        test::ShownGame game;
        QVERIFY(game.Show());
        QVERIFY(game.Start({4, 4, 1, false, false, true}));
        GameState& g = game.g;
        BoardCanvas* canvas = game.form.Canvas();
        const std::size_t marks = MisplacedPositions(g).size() + 1;
        QTest::keyPress(canvas, Qt::Key_F7);
        for (int i = 0; i < 3; ++i) {
            SendRepeat(canvas, QEvent::KeyRelease, Qt::Key_F7);
            SendRepeat(canvas, QEvent::KeyPress, Qt::Key_F7);
        }
        QCOMPARE(std::tuple(g.win.Shape2.size(), game.platform.sounds.size(), game.form.Timer1().isActive()),
                 std::tuple(marks, std::size_t(1), false));
        QTest::keyRelease(canvas, Qt::Key_F7);
        QCOMPARE(std::tuple(g.win.Shape2.size(), game.form.Timer1().isActive()), std::tuple(std::size_t(1), true));
    }

    void f8InAnOpenMenuPeeksAtTheFinishedPicture() {
        test::ShownGame game;
        QVERIFY(game.Show());
        QVERIFY(game.Start({4, 4, 1, false, false, true}));
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
        test::ShownGame game;
        QVERIFY(game.Show());
        QVERIFY(game.Start({4, 4, 1, false, false, true}));
        int reached = 0;
        std::pair<std::size_t, bool> inside{99, true};  // marks and peek while the keys were down
        QTimer::singleShot(0, &game.form, [&] {
            Form2* dialog = game.form.ConfigurationDialog();
            if (QTest::qWaitForWindowActive(dialog) && QApplication::activeModalWidget() == dialog) {
                QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
                KeySpy spy;
                target->installEventFilter(&spy);
                for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyPress(target, key);
                inside = {game.g.win.Shape2.size() - 1, game.g.win.Image2.Visible};
                for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyRelease(target, key);
                reached = spy.presses;
                target->removeEventFilter(&spy);
            }
            dialog->done(QDialog::Rejected);
        });
        game.form.MnuConf->trigger();
        QCOMPARE(std::tuple(reached, inside, game.form.Timer1().isActive(), game.platform.sounds.size()),
                 std::tuple(2, std::pair(std::size_t(0), false), true, std::size_t(0)));
    }

    // F7 held when "Configuración" opens, let go inside the dialog: the marks
    // go and the slippery pieces go on once the dialog is closed.
    void aKeyLetGoInsideTheDialogIsTheGamesOnceItCloses() {
        test::ShownGame game;
        QVERIFY(game.Show());
        QVERIFY(game.Start({4, 4, 1, false, false, true}));
        BoardCanvas* canvas = game.form.Canvas();
        QTest::keyPress(canvas, Qt::Key_F7);
        QVERIFY(game.g.fKeyMoving);
        std::size_t marksInside = 0;
        QTimer::singleShot(0, &game.form, [&] {
            Form2* dialog = game.form.ConfigurationDialog();
            if (QTest::qWaitForWindowActive(dialog)) {
                QTest::keyRelease(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F7);
                marksInside = game.g.win.Shape2.size() - 1;
            }
            dialog->done(QDialog::Rejected);
        });
        game.form.MnuConf->trigger();
        QVERIFY(marksInside > 0);
        QCOMPARE(std::tuple(game.g.fKeyMoving, game.g.win.Shape2.size(), game.form.Timer1().isActive()),
                 std::tuple(false, std::size_t(1), true));
        // The key is up: pressing it again marks afresh.
        QTest::keyPress(canvas, Qt::Key_F7);
        QCOMPARE(game.g.fKeyMoving, true);
        QTest::keyRelease(canvas, Qt::Key_F7);
    }
};

QTEST_MAIN(Form1PlayTest)
#include "Form1Play_test.moc"
