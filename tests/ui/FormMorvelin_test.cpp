// The about box, offscreen: its texts, what closes it and what does not, the
// two addresses, the underline that follows the pointer, what it borrows from
// the main window, and room for every text.
#include "ui/FormMorvelin.h"

#include <QLabel>
#include <QScreen>
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

}  // namespace

class FormMorvelinTest : public QObject {
    Q_OBJECT
    test::FakePlatform platform_;
    QWidget mainWindow_;

    // A box shown over `over`, by default the visible main window.
    std::unique_ptr<FormMorvelin> ShownBox(QWidget* over = nullptr) {
        auto box = std::make_unique<FormMorvelin>(platform_, "/opt/quilto/", over ? over : &mainWindow_);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get())) qFatal("the about box is not exposed");
        return box;
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

    // A left click anywhere but on the addresses, or a typed key, closes it;
    // a right click and keys that type nothing do not. The addresses open
    // through the desktop, unless the press is let go elsewhere.
    void whatClosesTheBoxAndWhatOpensAnAddress() {
        for (const char* name : {"lblClick", "lblTexto", "imgLogo", "lblTitulo", "lblTexWeb", "imgIcono", ""}) {
            auto box = ShownBox();
            QTest::mouseClick(*name ? static_cast<QWidget*>(Control(*box, name)) : box.get(), Qt::LeftButton, {},
                              *name ? QPoint() : QPoint(3, box->height() - 3));
            QCOMPARE(std::pair(name, box->isVisible()), std::pair(name, false));
        }
        for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            auto box = ShownBox();
            QTest::keyClick(box.get(), Qt::Key(key));
            QCOMPARE(std::pair(key, box->isVisible()), std::pair(key, false));
        }
        // The address under the pointer is underlined, until the next showing.
        auto box = ShownBox();
        const auto underlined = [&] {
            return QString::number(Control(*box, "lblURL")->font().underline()) +
                   QString::number(Control(*box, "lblMail")->font().underline());
        };
        QStringList seen;
        for (const char* control : {"lblURL", "lblMail", "lblTexto", "", "lblURL"}) {
            QTest::mouseMove(box->windowHandle(),
                             *control ? Control(*box, control)->geometry().center() : QPoint(3, 3));
            seen << underlined();
        }
        box->hide();
        box->show();
        seen << underlined();
        QTest::mouseClick(Control(*box, "lblClick"), Qt::RightButton);
        for (int key : {Qt::Key_F5, Qt::Key_Shift, Qt::Key_Left}) QTest::keyClick(box.get(), Qt::Key(key));
        QTest::mouseClick(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseClick(Control(*box, "lblMail"), Qt::LeftButton);
        QTest::mousePress(Control(*box, "lblURL"), Qt::LeftButton);
        QTest::mouseRelease(Control(*box, "lblURL"), Qt::LeftButton, {}, QPoint(-40, -40));
        QCOMPARE(std::tuple(seen, box->isVisible(), platform_.shellOpens),
                 std::tuple(QStringList({"10", "01", "01", "00", "10", "00"}), true,
                            Opens{{"http://quilto.example.org", "/opt/quilto"},
                                  {"mailto:quilto@example.org", "/opt/quilto"}}));
    }

    // Each showing borrows the caption and the icon picture and is centred on the main
    // window, or on the screen while that is hidden. Black, framed in white;
    // every text is Spanish, and wraps or fits inside its box.
    void theBoxBorrowsFromTheMainWindowAndEveryTextFits() {
        QWidget hidden;
        const auto overHidden = ShownBox(&hidden);
        QCOMPARE(overHidden->frameGeometry().center(), overHidden->screen()->availableGeometry().center());
        auto box = ShownBox();
        const QImage icon = Control(*box, "imgIcono")->pixmap().toImage();
        const QImage shot = box->grab().toImage();
        QCOMPARE(
            std::tuple(icon.pixelColor(icon.rect().center()), box->frameGeometry().center(),
                       shot.pixelColor(0, shot.height() / 2), shot.pixelColor(4, shot.height() / 2)),
            std::tuple(QColor(Qt::red), mainWindow_.frameGeometry().center(), QColor(Qt::white), QColor(Qt::black)));
        QStringList texts;
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            texts << label->text();
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
        QCOMPARE(texts, QStringList({"Quilto 1.0", "Por el equipo de Quilto", "Email: ", "Web:",
                                     "Quilto corta tus imágenes en piezas y las mezcla: tu reto es recomponerlas. "
                                     "Elige el tablero, el tamaño de las piezas y el modo de juego, ¡y a disfrutar!",
                                     "[click para cerrar]", "quilto@example.org", "quilto.example.org"}));
        QVERIFY(!Control(*box, "imgLogo")->pixmap().isNull());
    }
};

QTEST_MAIN(FormMorvelinTest)
#include "FormMorvelin_test.moc"
