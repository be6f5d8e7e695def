// The about box, offscreen: what closes it and what does not, the two
// addresses, the underline that follows the pointer, what it borrows from
// the main window, and room for every text.
#include "ui/FormMorvelin.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

using namespace quilto;
using Open = std::pair<std::string, std::string>;

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

// The pointer moves to a control, or to a point, in the box, as the window system reports it.
void MoveTo(QWidget& box, QPoint pos) {
    QTest::mouseMove(box.windowHandle(), pos);
}
void MoveTo(QWidget& box, const char* control) {
    MoveTo(box, Control(box, control)->geometry().center());
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
    // Shows the box the way the program does (modally) over `over` and runs
    // check on it once it is up; check must close it.
    void WithModalBox(QWidget* over, const std::function<void(FormMorvelin&)>& check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
            QVERIFY2(box && QTest::qWaitForWindowExposed(box), "the about box is not the active modal window");
            ran = true;
            check(*box);
            if (box->isVisible()) {
                box->reject();
                QFAIL("the check left the box open");
            }
        });
        FormMorvelin::ShowModal(platform_, "/opt/quilto/", over);
        QVERIFY(ran);
    }

private slots:
    void initTestCase() {
        QPixmap red(32, 32);
        red.fill(Qt::red);
        mainWindow_.setWindowTitle(QStringLiteral("Quilto 1.0"));
        mainWindow_.setWindowIcon(QIcon(red));
        mainWindow_.setGeometry(40, 30, 900, 700);
        mainWindow_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow_));
    }

    void aLeftClickAnywhereButTheAddressesOrATypedKeyCloses() {
        for (const char* name : {"lblClick", "lblTexto", "imgLogo", "lblTitulo", "lblTexWeb", "imgIcono", ""}) {
            auto box = ShownBox();
            if (*name)
                QTest::mouseClick(Control(*box, name), Qt::LeftButton);
            else
                QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(3, box->height() - 3));  // the background
            QVERIFY2(!box->isVisible(), name);
        }
        for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            auto box = ShownBox();
            QTest::keyClick(box.get(), Qt::Key(key));
            QVERIFY2(!box->isVisible(), qPrintable(QKeySequence(key).toString()));
        }
        auto box = ShownBox();
        QTest::mouseClick(Control(*box, "lblClick"), Qt::RightButton);
        for (int key : {Qt::Key_F5, Qt::Key_Shift, Qt::Key_Left, Qt::Key_Control})
            QTest::keyClick(box.get(), Qt::Key(key));
        QVERIFY(box->isVisible());
        QCOMPARE(platform_.shellOpens, std::vector<Open>{});
    }

    void theAddressesOpenThroughTheDesktopAndTheBoxStays() {
        platform_.shellOpens.clear();
        auto box = ShownBox();
        QTest::mouseClick(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseClick(Control(*box, "lblMail"), Qt::LeftButton);
        // A press on an address released elsewhere opens nothing.
        QTest::mousePress(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseRelease(Control(*box, "lblURL"), Qt::LeftButton, {}, QPoint(-40, -40));
        QVERIFY(box->isVisible());
        QCOMPARE(platform_.shellOpens, (std::vector<Open>{{"http://quilto.example.org", "/opt/quilto"},
                                                          {"mailto:quilto@example.org", "/opt/quilto"}}));
    }

    void theUnderlineFollowsThePointerAndIsGoneAtTheNextShowing() {
        auto box = ShownBox();
        QStringList seen{Underlined(*box)};
        for (const char* control : {"lblURL", "lblMail", "lblTexto", "imgLogo"}) {
            MoveTo(*box, control);  // the other controls change nothing
            seen << Underlined(*box);
        }
        MoveTo(*box, QPoint(3, box->height() - 3));  // the background
        seen << Underlined(*box);
        MoveTo(*box, "lblURL");
        seen << Underlined(*box);
        box->hide();
        box->show();
        seen << Underlined(*box);
        QCOMPARE(seen, QStringList({"", "lblURL", "lblMail", "lblMail", "lblMail", "", "lblURL", ""}));
    }

    // Each modal showing is a new box that borrows the caption and the icon and
    // is centred on the main window, or on the screen while that is hidden.
    void aModalShowingBorrowsCaptionAndIconAndIsCentred() {
        WithModalBox(&mainWindow_, [this](FormMorvelin& box) {
            const QImage icon = Control(box, "imgIcono")->pixmap().toImage();
            QCOMPARE(std::tuple(Control(box, "lblTitulo")->text(), icon.pixelColor(icon.rect().center()),
                                box.windowIcon().pixmap(16).toImage().pixelColor(8, 8), box.frameGeometry().center()),
                     std::tuple(QString("Quilto 1.0"), QColor(Qt::red), QColor(Qt::red),
                                mainWindow_.frameGeometry().center()));
            QTest::keyClick(&box, Qt::Key_Q);
        });
        QWidget hidden;
        hidden.setWindowTitle(QStringLiteral("Quilto 1.0"));
        WithModalBox(&hidden, [](FormMorvelin& box) {
            QCOMPARE(box.frameGeometry().center(), box.screen()->availableGeometry().center());
            QTest::mouseClick(Control(box, "lblClick"), Qt::LeftButton);
        });
    }

    // Black, framed in white, 4260 x 6300 units grown evenly, every text inside its box.
    void everyTextFitsItsBox() {
        auto box = ShownBox();
        QVERIFY(box->Scale() >= 1.0);
        QCOMPARE(box->size(), QSize(box->Pixels(FormMorvelin::kClientWidth), box->Pixels(FormMorvelin::kClientHeight)));
        const QImage shot = box->grab().toImage();
        QCOMPARE(std::tuple(shot.pixelColor(0, shot.height() / 2), shot.pixelColor(4, shot.height() / 2)),
                 std::tuple(QColor(Qt::white), QColor(Qt::black)));
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
