// F5 to F8 as real key events on the main window, offscreen: they reach the
// game from the canvas and from an open menu, a held key's repeats count
// once, and a modal dialog keeps its own keys.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "game/KeyboardAids.h"
#include "support/FakePlatform.h"
#include "ui/Form1.h"
#include "ui/Form2.h"

using namespace quilto;

namespace {

const QImage& NoPicture(PictureId) {
    static const QImage none;
    return none;
}

// Counts the key presses that reach the object it watches.
class KeySpy : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

// A shown main window with a 4 x 4 slippery puzzle in play.
struct Game {
    QTemporaryDir dir;
    test::FakePlatform platform;
    GameState g{platform};
    Form1 form{g, dir.path().toStdString() + "/", NoPicture};

    bool Start() {
        form.showMaximized();
        if (!QTest::qWaitForWindowExposed(&form)) return false;
        if (!QTest::qWaitFor([&] { return !g.fLayoutPending; })) return false;
        platform.pictures["pic"] = {300, 300};
        g.PicClip1 = platform.LoadPicture("pic");
        g.fPictureLoaded = true;
        g.settings = {4, 4, 1, false, false, true};
        form.MnuNew->trigger();
        return g.fPlaying && form.Timer1().isActive() && !MisplacedPositions(g).empty();
    }
};

}  // namespace

class Form1KeysTest : public QObject {
    Q_OBJECT
private slots:
    void heldF7OnTheCanvasMarksOnceAndPausesTheTimer();
    void f8InAnOpenMenuPeeksAtTheFinishedPicture();
    void aModalDialogKeepsItsKeys();
};

void Form1KeysTest::heldF7OnTheCanvasMarksOnceAndPausesTheTimer() {
    Game game;
    QVERIFY(game.Start());
    GameState& g = game.g;
    const std::size_t marks = MisplacedPositions(g).size();
    QTest::keyPress(game.form.Canvas(), Qt::Key_F7);
    QCOMPARE(g.win.Shape2.size(), marks + 1);
    QVERIFY(!game.form.Timer1().isActive());

    // A held key: the system sends release and press again, both marked as repeats.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(game.form.Canvas(), &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(game.form.Canvas(), &press);
    }
    QCOMPARE(g.win.Shape2.size(), marks + 1);
    QCOMPARE(game.platform.sounds.size(), std::size_t{1});
    QVERIFY(!game.form.Timer1().isActive());

    QTest::keyRelease(game.form.Canvas(), Qt::Key_F7);
    QCOMPARE(g.win.Shape2.size(), std::size_t{1});
    QVERIFY(game.form.Timer1().isActive());
}

void Form1KeysTest::f8InAnOpenMenuPeeksAtTheFinishedPicture() {
    Game game;
    QVERIFY(game.Start());
    QMenu* juego = game.form.menuBar()->actions().at(0)->menu();
    juego->popup(game.form.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(juego->isVisible());

    QTest::keyPress(juego, Qt::Key_F8);
    QVERIFY(game.g.win.Image2.Visible);
    QVERIFY(game.g.fPeeking);
    QVERIFY(!game.form.Timer1().isActive());
    QTest::keyRelease(juego, Qt::Key_F8);
    QVERIFY(!game.g.win.Image2.Visible);
    QVERIFY(game.form.Timer1().isActive());
    juego->close();
}

void Form1KeysTest::aModalDialogKeepsItsKeys() {
    Game game;
    QVERIFY(game.Start());
    GameState& g = game.g;
    int reached = 0;
    std::size_t marksInside = 0;
    bool peekInside = true;
    QTimer::singleShot(0, &game.form, [&] {
        Form2* dialog = game.form.ConfigurationDialog();
        if (QTest::qWaitForWindowActive(dialog) && QApplication::activeModalWidget() == dialog) {
            QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            KeySpy spy;
            target->installEventFilter(&spy);
            for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyPress(target, key);
            marksInside = g.win.Shape2.size() - 1;
            peekInside = g.win.Image2.Visible;
            for (const Qt::Key key : {Qt::Key_F7, Qt::Key_F8}) QTest::keyRelease(target, key);
            reached = spy.presses;
            target->removeEventFilter(&spy);
        }
        dialog->done(QDialog::Rejected);
    });
    game.form.MnuConf->trigger();
    QCOMPARE(reached, 2);
    QCOMPARE(marksInside, std::size_t{0});
    QVERIFY(!peekInside);
    QVERIFY(game.form.Timer1().isActive());
    QVERIFY(game.platform.sounds.empty());
}

QTEST_MAIN(Form1KeysTest)
#include "Form1Keys_test.moc"
