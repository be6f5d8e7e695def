// The about box, offscreen: what closes it and what does not, the two
// addresses, the underline that follows the pointer, what it borrows from
// the main window, and room for every text.
#include "ui/FormMorvelin.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

using namespace quilto;
using Opens = std::vector<std::pair<std::string, std::string>>;

namespace {

QLabel* Control(const QWidget& box, const char* name) {
    auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label) qFatal("no control %s", name);
    return label;
}

QPoint Background(const QWidget& box) {
    return {3, box.height() - 3};
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
    // Shows the box modally, as the program does, over `over`; `check` runs on it, then it is closed.
    template <typename F>
    void WithModalBox(QWidget* over, F check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
            if (!box || !QTest::qWaitForWindowExposed(box)) return;
            ran = true;
            check(*box);
            if (box->isVisible()) box->reject();
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

    // A left click anywhere but on the addresses, or a typed key, closes it.
    void whatClosesTheBoxAndWhatOpensAnAddress() {
        for (const char* name : {"lblClick", "lblTexto", "imgLogo", "lblTitulo", "lblTexWeb", "imgIcono", ""}) {
            auto box = ShownBox();
            QTest::mouseClick(*name ? static_cast<QWidget*>(Control(*box, name)) : box.get(), Qt::LeftButton, {},
                              *name ? QPoint() : Background(*box));
            QCOMPARE(std::pair(name, box->isVisible()), std::pair(name, false));
        }
        for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            auto box = ShownBox();
            QTest::keyClick(box.get(), Qt::Key(key));
            QCOMPARE(std::pair(key, box->isVisible()), std::pair(key, false));
        }
        // A right click and keys that type nothing leave it open; the addresses
        // open through the desktop, and one pressed but released elsewhere does not.
        auto box = ShownBox();
        QTest::mouseClick(Control(*box, "lblClick"), Qt::RightButton);
        for (int key : {Qt::Key_F5, Qt::Key_Shift, Qt::Key_Left, Qt::Key_Control})
            QTest::keyClick(box.get(), Qt::Key(key));
        QTest::mouseClick(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseClick(Control(*box, "lblMail"), Qt::LeftButton);
        QTest::mousePress(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseRelease(Control(*box, "lblURL"), Qt::LeftButton, {}, QPoint(-40, -40));
        QCOMPARE(std::pair(box->isVisible(), platform_.shellOpens),
                 std::pair(true, Opens{{"http://quilto.example.org", "/opt/quilto"},
                                       {"mailto:quilto@example.org", "/opt/quilto"}}));
    }

    // The address under the pointer is underlined, until the next showing.
    void theUnderlineFollowsThePointer() {
        auto box = ShownBox();
        const auto underlined = [&] {
            QStringList names;
            for (const char* name : {"lblURL", "lblMail"})
                if (Control(*box, name)->font().underline()) names << name;
            return names.join('+');
        };
        QStringList seen{underlined()};
        for (const char* control : {"lblURL", "lblMail", "lblTexto", "imgLogo", "", "lblURL"}) {
            QTest::mouseMove(box->windowHandle(),
                             *control ? Control(*box, control)->geometry().center() : Background(*box));
            seen << underlined();
        }
        box->hide();
        box->show();
        seen << underlined();
        QCOMPARE(seen, QStringList({"", "lblURL", "lblMail", "lblMail", "lblMail", "", "lblURL", ""}));
    }

    // Each modal showing borrows the caption and the icon and is centred on
    // the main window, or on the screen while that is hidden.
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
            const QSize need =
                label->wordWrap()
                    ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text()).size()
                    : QSize(fm.horizontalAdvance(label->text()), fm.tightBoundingRect(label->text()).height());
            QCOMPARE(std::tuple(label->objectName(), need.boundedTo(room.size()),
                                box->rect().adjusted(1, 1, -1, -1).contains(room.translated(label->pos()))),
                     std::tuple(label->objectName(), need, true));
        }
        QVERIFY(!Control(*box, "imgLogo")->pixmap().isNull());
    }
};

QTEST_MAIN(FormMorvelinTest)
#include "FormMorvelin_test.moc"
