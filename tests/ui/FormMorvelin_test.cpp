// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box, offscreen: what closes it, the addresses, what it borrows
// from the main window, and its texts with room for each.
#include "ui/FormMorvelin.h"

#include <QLabel>
#include <QtTest>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

using namespace quilto;

class FormMorvelinTest : public QObject {
    Q_OBJECT
    test::FakePlatform platform_;
    QWidget mainWindow_;

    static QLabel* Control(const QWidget& box, const char* name) {
        auto* label = box.findChild<QLabel*>(QLatin1String(name));
        return label ? label : (qFatal("no control %s", name), nullptr);
    }

    // A box shown over `over`, by default the visible main window.
    std::unique_ptr<FormMorvelin> ShownBox(QWidget* over = nullptr) {
        auto box = std::make_unique<FormMorvelin>(platform_, "/opt/quilto/", over ? over : &mainWindow_);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get(), 30000)) qFatal("the about box is not exposed");
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
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow_, 30000));
    }

    // A left click anywhere but on the addresses, or a typed key, closes it;
    // a right click and keys that type nothing do not. The addresses open
    // through the desktop.
    void whatClosesTheBoxAndWhatOpensAnAddress() {
        for (const char* name : {"lblClick", "lblTexto", "imgLogo", "lblTitulo", "lblTexWeb", "imgIcono", ""}) {
            auto box = ShownBox();
            QTest::mouseClick(*name ? static_cast<QWidget*>(Control(*box, name)) : box.get(), Qt::LeftButton, {},
                              *name ? QPoint() : QPoint(3, box->height() - 3));
            QCOMPARE_FIELDS((box->isVisible()), (false), name);
        }
        for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            auto box = ShownBox();
            QTest::keyClick(box.get(), Qt::Key(key));
            QCOMPARE_FIELDS((box->isVisible()), (false), key);
        }
        auto box = ShownBox();
        QTest::mouseClick(Control(*box, "lblClick"), Qt::RightButton);
        for (int key : {Qt::Key_F5, Qt::Key_Shift, Qt::Key_Left}) QTest::keyClick(box.get(), Qt::Key(key));
        for (const char* address : {"lblURL", "lblMail"}) QTest::mouseClick(Control(*box, address), Qt::LeftButton);
        QCOMPARE_FIELDS(
            (box->isVisible(), platform_.shellOpens),
            (true, Opens{{"http://quilto.example.org", "/opt/quilto"}, {"mailto:quilto@example.org", "/opt/quilto"}}));
    }

    // Each showing borrows the icon picture and is centred on the main window.
    // Black, framed in white; every text is Spanish, and wraps or fits inside its box.
    void theBoxBorrowsFromTheMainWindowAndEveryTextFits() {
        auto box = ShownBox();
        const QImage icon = Control(*box, "imgIcono")->pixmap().toImage(), shot = box->grab().toImage();
        QCOMPARE_FIELDS(
            (icon.pixelColor(icon.rect().center()), box->frameGeometry().center(),
             shot.pixelColor(0, shot.height() / 2), shot.pixelColor(4, shot.height() / 2),
             Control(*box, "imgLogo")->pixmap().isNull()),
            (QColor(Qt::red), mainWindow_.frameGeometry().center(), QColor(Qt::white), QColor(Qt::black), false));
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
            QCOMPARE_FIELDS((need.boundedTo(room.size()),
                             box->rect().adjusted(1, 1, -1, -1).contains(room.translated(label->pos()))),
                            (need, true), label->objectName());
        }
        QCOMPARE(texts, QStringList({"Quilto 1.0", "Por el equipo de Quilto", "Email: ", "Web:",
                                     "Quilto corta tus imágenes en piezas y las mezcla: tu reto es recomponerlas. "
                                     "Elige el tablero, el tamaño de las piezas y el modo de juego, ¡y a disfrutar!",
                                     "[click para cerrar]", "quilto@example.org", "quilto.example.org"}));
    }
};

QTEST_MAIN(FormMorvelinTest)
#include "FormMorvelin_test.moc"
