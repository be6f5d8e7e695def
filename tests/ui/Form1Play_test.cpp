// Playing on the main window's canvas with real mouse events, offscreen.
#include <QTemporaryDir>
#include <QtTest>

#include "game/Exchange.h"
#include "game/NewPuzzle.h"
#include "support/FakePlatform.h"
#include "ui/DragCursors.h"
#include "ui/Form1.h"

using namespace quilto;

namespace {

const QImage& NoPicture(PictureId) {
    static const QImage none;
    return none;
}

}  // namespace

class Form1PlayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aDragWinsAndTheFinishedPictureThenTakesEveryPress();
    void aClickSlidesAPieceIntoTheEmptySlot();
    void dragPointersAreHandsWithTheHotSpotAtTheFingertip();

private:
    // Makes a shuffled board of the given settings, one drag or slide from
    // solved.
    void StartBoard(const Settings& s);
    QPoint Middle(int p) const {
        return BoardCanvas::ToPixels(g_->win.Image1[static_cast<std::size_t>(p)].box).center().toPoint();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::FakePlatform> platform_;
    std::unique_ptr<GameState> g_;
    std::unique_ptr<Form1> form_;
};

void Form1PlayTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    platform_ = std::make_unique<test::FakePlatform>();
    g_ = std::make_unique<GameState>(*platform_);
    form_ = std::make_unique<Form1>(*g_, dir_->path().toStdString() + "/", NoPicture);
    form_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTRY_VERIFY(!g_->fLayoutPending);
}

void Form1PlayTest::cleanup() {
    form_.reset();
    g_.reset();
    platform_.reset();
    dir_.reset();
}

void Form1PlayTest::StartBoard(const Settings& s) {
    platform_->pictures["pic"] = {400, 200};
    g_->PicClip1 = platform_->LoadPicture("pic");
    g_->fPictureLoaded = true;
    g_->fSkipConfirm = true;
    g_->settings = s;
    NewPuzzle(*g_);
    QVERIFY(g_->fPlaying);
    form_->Sync();
}

void Form1PlayTest::aDragWinsAndTheFinishedPictureThenTakesEveryPress() {
    StartBoard({2, 1, 1, false, false, false});
    if (g_->PieceAt[1] == 1) SwapPieces(*g_, 1, 2);  // the shuffle may have left it solved
    form_->Sync();
    BoardCanvas* canvas = form_->Canvas();

    QTest::mousePress(canvas, Qt::LeftButton, {}, Middle(1));
    QVERIFY(g_->win.Shape1.Visible);
    QTest::mouseMove(canvas, Middle(2));
    QCOMPARE(g_->DropSlot, 2);
    QCOMPARE(canvas->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(platform_->messages.empty());
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, Middle(2));
    QCOMPARE(platform_->MessageTexts(), std::vector<std::string>{"Lo has logrado!"});
    QCOMPARE(g_->PieceAt[1], std::int16_t(1));
    QVERIFY(!g_->fPlaying);
    QVERIFY(g_->win.Image2.Visible);
    QCOMPARE(canvas->cursor().shape(), Qt::ArrowCursor);

    // The finished picture lies over the board: presses reach no piece.
    const std::size_t sounds = platform_->sounds.size();
    QTest::mousePress(canvas, Qt::LeftButton, {}, Middle(1));
    QTest::mouseMove(canvas, Middle(2));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, Middle(2));
    QTest::mouseClick(canvas, Qt::RightButton, {}, Middle(2));
    QCOMPARE(g_->PieceAt[1], std::int16_t(1));
    QCOMPARE(platform_->sounds.size(), sounds);
    QCOMPARE(platform_->messages.size(), std::size_t(1));
    QVERIFY(!g_->win.Shape1.Visible);
}

void Form1PlayTest::aClickSlidesAPieceIntoTheEmptySlot() {
    StartBoard({2, 2, 1, false, true, false});
    // Whatever the walk left, a click on a neighbour of the empty slot moves it.
    const int empty = g_->EmptySlot;
    const int neighbour = empty % 2 == 0 ? empty - 1 : empty + 1;
    const std::int16_t moving = g_->PieceAt[neighbour];
    QTest::mouseClick(form_->Canvas(), Qt::LeftButton, {}, Middle(neighbour));
    QCOMPARE(g_->EmptySlot, std::int16_t(neighbour));
    QCOMPARE(g_->PieceAt[empty], moving);
    QCOMPARE(platform_->sounds.at(1), g_->AppDir + "Desplaza.wav");
}

void Form1PlayTest::dragPointersAreHandsWithTheHotSpotAtTheFingertip() {
    for (const Cursor c : {Cursor::DragOverPiece, Cursor::DragOverNothing}) {
        const QCursor cursor = ToQCursor(c);
        QCOMPARE(cursor.hotSpot(), QPoint(3, 0));
        const QImage picture = cursor.pixmap().toImage();
        QCOMPARE(picture.size(), QSize(32, 32));
        // The fingertip is drawn right at the hot spot; the corner far from
        // the hand is clear unless the bar crosses it.
        QVERIFY(qAlpha(picture.pixel(3, 1)) > 0);
        QCOMPARE(qAlpha(picture.pixel(30, 30)), 0);
    }
    const QImage over = DragCursorPicture(true, 1).toImage();
    const QImage nothing = DragCursorPicture(false, 1).toImage();
    // The bar strikes through the middle of the picture.
    QCOMPARE(qAlpha(over.pixel(24, 10)), 0);
    QVERIFY(qRed(nothing.pixel(24, 10)) > 150 && qGreen(nothing.pixel(24, 10)) < 60);
}

QTEST_MAIN(Form1PlayTest)
#include "Form1Play_test.moc"
