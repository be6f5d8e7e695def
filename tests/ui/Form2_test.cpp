// The configuration dialog, offscreen: its controls, the live labels while the
// player moves bars and ticks boxes, the buttons, the keyboard and the close box.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/FakePlatform.h"
#include "ui/Form2.h"

using namespace quilto;

namespace {

const char* const kAsk = "Para hacer efectivos los cambios tienes que empezar otro puzzle. Continuar?";

struct Fixture {
    test::FakePlatform platform;
    GameState g{platform};
    QWidget owner;
    Form2 form{g, &owner};

    Fixture() {
        owner.setGeometry(50, 40, 600, 400);  // inside the 800 x 600 offscreen screen
        owner.show();
    }

    template <typename W>
    W* Get(const char* name) {
        W* w = form.findChild<W*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString Size() { return Get<QLabel>("Label1")->text(); }
    QString Count() { return Get<QLabel>("Label3")->text(); }
    void Click(const char* name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }

    // Opens the dialog modally and runs `interact` inside it. Returns true
    // when the interaction hid the dialog; otherwise hides it to go on.
    bool RunModal(const std::function<void()>& interact) {
        bool hiddenByInteraction = true;
        QTimer::singleShot(0, &form, [&] {
            interact();
            if (form.isVisible()) {
                hiddenByInteraction = false;
                form.done(QDialog::Rejected);
            }
        });
        form.ShowModal();
        return hiddenByInteraction;
    }
};

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void controlsHaveTheirCaptionsAndBoxes();
    void barsAndBoxesDriveTheLiveLabels();
    void acceptRefusesThenAsksAndCancelRestores();
    void keyboardOrderEnterAndEsc();
    void closeBoxActsAsCancelAndReopeningReloads();
};

void Form2Test::controlsHaveTheirCaptionsAndBoxes() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("Configuración"));
    QCOMPARE(f.form.size(), QSize(518, 225));
    QCOMPARE(f.form.minimumSize(), f.form.maximumSize());
    QCOMPARE(f.Get<QGroupBox>("Frame2")->geometry(), QRect(304, 16, 201, 137));
    QCOMPARE(f.Get<QCheckBox>("Check1")->geometry(), QRect(24, 32, 161, 17));  // inside its frame
    QCOMPARE(f.Get<QCheckBox>("Check1")->text(), QString("Piezas de diferentes tamaños."));
    QCOMPARE(f.Get<QRadioButton>("Option1_3")->geometry(), QRect(16, 96, 113, 25));
    QCOMPARE(f.Get<QPushButton>("Command2")->geometry(), QRect(408, 168, 97, 41));
    QVERIFY(f.Get<QLabel>("Label4_1")->alignment() & Qt::AlignRight);

    auto* bar = f.Get<QScrollBar>("HScroll1_1");
    QCOMPARE(bar->geometry(), QRect(24, 48, 81, 17));
    QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
             QList<int>({1, 65, 1, 1}));

    auto* count = f.Get<QLabel>("Label3");
    QVERIFY(count->font().bold());
    QCOMPARE(count->font().pointSizeF(), 9.75);
    QCOMPARE(count->palette().color(QPalette::Window), QColor(192, 192, 192));
}

void Form2Test::barsAndBoxesDriveTheLiveLabels() {
    Fixture f;
    f.g.settings = {6, 4, 2, false, false, false};
    const bool hidden = f.RunModal([&] {
        QCOMPARE(f.Size(), QString("6x4"));
        QVERIFY(f.Get<QRadioButton>("Option1_1")->isChecked());

        auto* columns = f.Get<QScrollBar>("HScroll1_0");
        auto* rows = f.Get<QScrollBar>("HScroll1_1");
        QTest::keyClick(columns, Qt::Key_Right);
        QCOMPARE(f.Count(), QString("28"));

        f.Click("Check3");  // 7 and 4: both take 4
        QCOMPARE(columns->value(), 4);
        QCOMPARE(f.Size(), QString("4x4"));

        rows->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track
        QCOMPARE(columns->value(), 5);
        QCOMPARE(f.Count(), QString("25"));

        rows->setSliderDown(true);  // a drag updates at every step
        rows->setSliderPosition(8);
        QCOMPARE(f.Size(), QString("8x8"));
        rows->setSliderPosition(9);
        QCOMPARE(f.Size(), QString("9x9"));
        rows->setSliderDown(false);

        f.Click("Check1");
        QCOMPARE(f.Count(), QString("45"));  // 81 / 1.8: 6 columns in force

        f.Click("Option1_3");
        f.Click("Command2");
    });
    QVERIFY(hidden);
    QCOMPARE(f.g.settings, (Settings{6, 4, 2, false, false, false}));
    QVERIFY(!f.g.fSkipConfirm);
    QVERIFY(f.platform.messages.empty());
}

void Form2Test::acceptRefusesThenAsksAndCancelRestores() {
    Fixture f;
    f.g.fPictureLoaded = f.g.fPlaying = true;
    f.platform.answers = {MsgResult::Ok, MsgResult::Cancel};
    const Settings before{5, 5, 3, true, false, true};
    f.g.settings = before;
    const bool hidden = f.RunModal([&] {
        f.Click("Check3");
        QTest::keyClick(f.Get<QScrollBar>("HScroll1_0"), Qt::Key_Right);
        f.Click("Command1");  // irregular on 6 x 5
        QVERIFY(f.form.isVisible());
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.g.settings, before);

        f.Click("Check3");  // both take 5
        QTest::keyClick(f.Get<QScrollBar>("HScroll1_0"), Qt::Key_Right);  // 6 x 6
        f.Click("Check4");
        f.Click("Command1");
    });
    QVERIFY(hidden);
    QCOMPARE(f.platform.MessageTexts(),
             (std::vector<std::string>{"Para jugar con piezas irregulares ambas medidas deben ser iguales.", kAsk}));
    QCOMPARE(f.g.settings, before);
    QVERIFY(!f.g.fSkipConfirm);

    // Accepted with OK, a new puzzle is to follow.
    f.RunModal([&] {
        QTest::keyClick(f.Get<QScrollBar>("HScroll1_1"), Qt::Key_Left);  // linked: 4 x 4
        f.Click("Command1");
    });
    QCOMPARE(f.g.settings.Columns, 4);
    QCOMPARE(f.g.settings.Rows, 4);
    QVERIFY(f.g.fSkipConfirm);
}

void Form2Test::keyboardOrderEnterAndEsc() {
    Fixture f;
    f.g.settings = {4, 3, 3, false, false, false};
    QStringList chain;
    for (QWidget* w = f.Get<QWidget>("Command1")->nextInFocusChain(); chain.size() < 12; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus) chain << w->objectName();
    QCOMPARE(chain, QStringList({"HScroll1_0", "Check3", "Check1", "Check2", "Option1_0", "Option1_1", "Option1_2",
                                 "Option1_3", "Check4", "Command2", "HScroll1_1", "Command1"}));

    bool hidden = f.RunModal([&] {
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QCOMPARE(f.form.focusWidget(), f.Get<QWidget>("Command1"));
        // Tab stops at the selected fit option only; the arrows move among them.
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(f.form.focusWidget(), Qt::Key_Tab);
            order << f.form.focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"HScroll1_0", "Check3", "Check1", "Check2", "Option1_2", "Check4", "Command2",
                                     "HScroll1_1", "Command1"}));
        auto* option = f.Get<QWidget>("Option1_2");
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Down);
        QCOMPARE(f.form.Model().Option1(), 3);

        // Esc never closes; Enter does nothing away from a button.
        QTest::keyClick(f.form.focusWidget(), Qt::Key_Escape);
        auto* check1 = f.Get<QCheckBox>("Check1");
        check1->setFocus();
        QTest::keyClick(check1, Qt::Key_Return);
        QVERIFY(f.form.isVisible());
        QVERIFY(!check1->isChecked());

        auto* cancel = f.Get<QPushButton>("Command2");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Enter);
    });
    QVERIFY(hidden);
    QVERIFY(!f.g.fSkipConfirm);
    QCOMPARE(f.g.settings.FitMode, 3);

    // Space on the focused "Aceptar" accepts; the finished-puzzle case asks nothing.
    hidden = f.RunModal([&] {
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        auto* accept = f.Get<QPushButton>("Command1");
        accept->setFocus();
        QTest::keyClick(accept, Qt::Key_Space);
    });
    QVERIFY(hidden);
    QVERIFY(f.g.fSkipConfirm);
    QVERIFY(f.platform.messages.empty());
}

void Form2Test::closeBoxActsAsCancelAndReopeningReloads() {
    Fixture f;
    f.g.settings = {5, 5, 3, true, false, false};
    QPoint centre;
    bool hidden = f.RunModal([&] {
        centre = f.form.geometry().center();
        QTest::keyClick(f.Get<QScrollBar>("HScroll1_0"), Qt::Key_End);
        f.Click("Check2");
        QCOMPARE(f.Size(), QString("65x65"));
        f.form.close();
    });
    QVERIFY(hidden);
    QCOMPARE(f.g.settings, (Settings{5, 5, 3, true, false, false}));
    QVERIFY(!f.g.fSkipConfirm);
    QVERIFY((centre - f.owner.geometry().center()).manhattanLength() <= 40);

    hidden = f.RunModal([&] {
        QCOMPARE(f.Size(), QString("5x5"));
        QCOMPARE(f.Count(), QString("13"));
        QVERIFY(!f.Get<QCheckBox>("Check2")->isChecked());
        f.form.close();
    });
    QVERIFY(hidden);
}

QTEST_MAIN(Form2Test)
#include "Form2_test.moc"
