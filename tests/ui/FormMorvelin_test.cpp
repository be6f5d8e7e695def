// The about box, offscreen: what closes it and what does not, the two
// addresses, the underline that follows the pointer, and what it borrows
// from the main window.
#include "ui/FormMorvelin.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/FakePlatform.h"

using namespace quilto;

namespace {

QLabel* Control(const QWidget& box, const char* name) {
    auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label) qFatal("no control %s", name);
    return label;
}

// Which of the two addresses is underlined: "lblURL", "lblMail", "" or both.
QString Underlined(const QWidget& box) {
    QStringList names;
    for (const char* name : {"lblURL", "lblMail"})
        if (Control(box, name)->font().underline()) names << QString::fromLatin1(name);
    return names.join(QLatin1Char('+'));
}

// The pointer moves to pos in the box, as the window system reports it.
void MoveTo(QWidget& box, QPoint pos) {
    QTest::mouseMove(box.windowHandle(), pos);
}

QIcon RedIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

// Shows the box the way the program does (modally) and runs check on it
// once it is up; check must close it.
void WithModalBox(test::FakePlatform& platform, QWidget* mainWindow, const std::function<void(FormMorvelin&)>& check) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
        QVERIFY2(box, "the about box is not the active modal window");
        QVERIFY(QTest::qWaitForWindowExposed(box));
        ran = true;
        check(*box);
        if (box->isVisible()) {
            box->reject();
            QFAIL("the check left the box open");
        }
    });
    FormMorvelin::ShowModal(platform, "/opt/quilto/", mainWindow);
    QVERIFY(ran);
}

}  // namespace

class FormMorvelinTest : public QObject {
    Q_OBJECT
    test::FakePlatform platform_;
    QWidget mainWindow_;

    // A box shown (not modally) over the visible main window.
    std::unique_ptr<FormMorvelin> ShownBox() {
        auto box = std::make_unique<FormMorvelin>(platform_, "/opt/quilto/", &mainWindow_);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get())) qFatal("the about box is not exposed");
        return box;
    }

private slots:
    void initTestCase() {
        mainWindow_.setWindowTitle(QStringLiteral("Quilto 1.0"));
        mainWindow_.setWindowIcon(RedIcon());
        mainWindow_.setGeometry(40, 30, 900, 700);
        mainWindow_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow_));
    }

    void clicksAnywhereButTheAddressesClose() {
        for (const char* name : {"lblClick", "lblTexto", "imgLogo", "lblTitulo", "lblTexWeb", "imgIcono"}) {
            auto box = ShownBox();
            QTest::mouseClick(Control(*box, name), Qt::LeftButton);
            QVERIFY2(!box->isVisible(), name);
        }
        auto box = ShownBox();
        QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(3, box->height() - 3));  // the background
        QVERIFY(!box->isVisible());
        // Another button does not click.
        box = ShownBox();
        QTest::mouseClick(Control(*box, "lblClick"), Qt::RightButton);
        QVERIFY(box->isVisible());
        QVERIFY(platform_.shellOpens.empty());
    }

    void keysThatTypeACharacterClose() {
        for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            auto box = ShownBox();
            QTest::keyClick(box.get(), Qt::Key(key));
            QVERIFY2(!box->isVisible(), qPrintable(QKeySequence(key).toString()));
        }
        auto box = ShownBox();
        for (int key : {Qt::Key_F5, Qt::Key_Shift, Qt::Key_Left, Qt::Key_Control}) {
            QTest::keyClick(box.get(), Qt::Key(key));
            QVERIFY2(box->isVisible(), qPrintable(QKeySequence(key).toString()));
        }
    }

    void addressesOpenThroughTheDesktopAndTheBoxStays() {
        platform_.shellOpens.clear();
        auto box = ShownBox();
        QTest::mouseClick(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseClick(Control(*box, "lblMail"), Qt::LeftButton);
        QVERIFY(box->isVisible());
        using Open = std::pair<std::string, std::string>;
        const std::vector<Open> expected{{"http://" + Control(*box, "lblURL")->text().toStdString(), "/opt/quilto"},
                                         {"mailto:" + Control(*box, "lblMail")->text().toStdString(), "/opt/quilto"}};
        QCOMPARE(platform_.shellOpens, expected);
        QCOMPARE(Control(*box, "lblURL")->text(), QString("quilto.example.org"));
        QCOMPARE(Control(*box, "lblMail")->text(), QString("quilto@example.org"));
        // A press on an address released elsewhere opens nothing.
        QTest::mousePress(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseRelease(Control(*box, "lblURL"), Qt::LeftButton, {}, QPoint(-40, -40));
        QCOMPARE(platform_.shellOpens.size(), std::size_t(2));
    }

    void underlineFollowsThePointer() {
        auto box = ShownBox();
        QCOMPARE(Underlined(*box), QString());
        auto over = [&box](const char* name) { MoveTo(*box, Control(*box, name)->geometry().center()); };
        over("lblURL");
        QCOMPARE(Underlined(*box), QString("lblURL"));
        over("lblMail");
        QCOMPARE(Underlined(*box), QString("lblMail"));
        over("lblTexto");  // the other controls change nothing
        QCOMPARE(Underlined(*box), QString("lblMail"));
        over("imgLogo");
        QCOMPARE(Underlined(*box), QString("lblMail"));
        MoveTo(*box, QPoint(3, box->height() - 3));  // the background
        QCOMPARE(Underlined(*box), QString());
        over("lblURL");
        QCOMPARE(Underlined(*box), QString("lblURL"));
        // Shown again, the box starts with neither address underlined.
        box->hide();
        box->show();
        QCOMPARE(Underlined(*box), QString());
    }

    // Each modal showing is a new box that borrows the caption and the icon
    // and is centred on the main window.
    void modalShowingBorrowsCaptionAndIconAndIsCentred() {
        for (int showing = 0; showing < 2; ++showing) {
            WithModalBox(platform_, &mainWindow_, [this](FormMorvelin& box) {
                QCOMPARE(Underlined(box), QString());
                QCOMPARE(Control(box, "lblTitulo")->text(), QString("Quilto 1.0"));
                const QImage icon = Control(box, "imgIcono")->pixmap().toImage();
                QCOMPARE(icon.pixelColor(icon.width() / 2, icon.height() / 2), QColor(Qt::red));
                QCOMPARE(box.windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
                QCOMPARE(box.frameGeometry().center(), mainWindow_.frameGeometry().center());
                MoveTo(box, QPoint(3, 3));
                QCOMPARE(Underlined(box), QString());
                MoveTo(box, Control(box, "lblMail")->geometry().center());
                QCOMPARE(Underlined(box), QString("lblMail"));
                QTest::keyClick(&box, Qt::Key_Q);
            });
        }
    }

    // At start-up the main window is not shown yet: the box is centred on the screen.
    void centredOnTheScreenWhenTheMainWindowIsHidden() {
        QWidget hidden;
        hidden.setWindowTitle(QStringLiteral("Quilto 1.0"));
        WithModalBox(platform_, &hidden, [](FormMorvelin& box) {
            QCOMPARE(box.frameGeometry().center(), box.screen()->availableGeometry().center());
            QTest::mouseClick(Control(box, "lblClick"), Qt::LeftButton);
        });
    }

    // Black, framed in white, 4260 x 6300 units grown evenly, and every text
    // inside its box.
    void everyTextFitsItsBox() {
        auto box = ShownBox();
        QVERIFY(box->Scale() >= 1.0);
        QCOMPARE(box->size(), QSize(box->Pixels(FormMorvelin::kClientWidth), box->Pixels(FormMorvelin::kClientHeight)));
        const QImage shot = box->grab().toImage();
        QCOMPARE(shot.pixelColor(0, shot.height() / 2), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(4, shot.height() / 2), QColor(Qt::black));
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QRect room = label->contentsRect();
            const QFontMetrics fm(label->font());
            const QRect need =
                label->wordWrap()
                    ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text())
                    : QRect(0, 0, fm.horizontalAdvance(label->text()), fm.tightBoundingRect(label->text()).height());
            QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                     qPrintable(QString("%1 needs %2 x %3, has %4 x %5")
                                    .arg(label->objectName())
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(room.width())
                                    .arg(room.height())));
            QVERIFY2(box->rect().adjusted(1, 1, -1, -1).contains(room.translated(label->pos())),
                     qPrintable(label->objectName()));
        }
        QVERIFY(!Control(*box, "imgLogo")->pixmap().isNull());
    }
};

QTEST_MAIN(FormMorvelinTest)
#include "FormMorvelin_test.moc"
