// The configuration dialog, offscreen, driven the way the player drives it:
// the keyboard, the live labels, the close box and a refused "Aceptar". The
// rules behind the controls are tested on the toolkit-free model.
#include "ui/Form2.h"

#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

using quilto::Settings;

struct Fixture {
    quilto::test::FakePlatform platform;
    quilto::GameState g{platform};
    quilto::Form2 form{g, nullptr};

    template <typename W = QWidget>
    W* Get(const char* name) {
        return form.findChild<W*>(QLatin1String(name));
    }
    QString Text(const char* label) { return Get<QLabel>(label)->text(); }
    void Click(const char* name) { QTest::mouseClick(Get(name), Qt::LeftButton); }

    // Shows the dialog modally and runs `interact` inside it; true when that
    // hid the dialog, which is otherwise hidden afterwards to go on.
    template <typename F>
    bool RunModal(F interact) {
        bool stayedOpen = false;
        QTimer::singleShot(0, &form, [&] {
            interact();
            if ((stayedOpen = form.isVisible())) form.done(QDialog::Rejected);
        });
        form.ShowModal();
        return !stayedOpen;
    }
};

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    // Tab stops at the selected fit option only; Esc never closes.
    void keysBarsAndIdenticalThenTheCloseBoxCancels() {
        Fixture f;
        f.g.settings = {6, 4, 2, false, false, false};
        QCOMPARE(f.form.windowTitle(), QString("Configuración"));
        QVERIFY(f.RunModal([&] {
            QVERIFY(QTest::qWaitForWindowActive(&f.form));
            QStringList order;
            for (int i = 0; i < 10; ++i, QTest::keyClick(f.form.focusWidget(), Qt::Key_Tab))
                order << f.form.focusWidget()->objectName();
            QCOMPARE(order, QStringList({"Command1", "HScroll1_0", "Check3", "Check1", "Check2", "Option1_1", "Check4",
                                         "Command2", "HScroll1_1", "Command1"}));
            QTest::keyClick(f.Get("HScroll1_0"), Qt::Key_Right);  // Right moves the thumb right
            QCOMPARE(f.Text("Label1") + ' ' + f.Text("Label3"), QString("7x4 28"));
            f.Click("Check3");  // "Idénticos.": both take the smaller
            QCOMPARE(f.Text("Label1"), QString("4x4"));
            f.Get<QScrollBar>("HScroll1_1")->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track
            QCOMPARE(f.Text("Label1") + ' ' + f.Text("Label3"), QString("5x5 25"));
            QTest::keyClick(f.Get("HScroll1_1"), Qt::Key_Escape);
            QVERIFY(f.form.isVisible());
            f.form.close();
        }));
        QCOMPARE(std::pair(f.g.settings, f.g.fSkipConfirm), std::pair(Settings{6, 4, 2, false, false, false}, false));
    }

    // Enter, either key, acts only through a focused button.
    void enterActsOnlyThroughTheFocusedButton() {
        for (const auto& [name, closes, accepts] : {std::tuple{"Check3", false, false},
                                                    {"Check1", false, false},
                                                    {"Option1_1", false, false},
                                                    {"HScroll1_0", false, false},
                                                    {"Command1", true, true},
                                                    {"Command2", true, false}})
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
                Fixture f;
                f.g.settings = {6, 4, 2, false, false, false};
                const bool closed = f.RunModal([&] {
                    f.Get(name)->setFocus();
                    QTest::keyClick(f.Get(name), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                });
                QCOMPARE(std::tuple(name, key, closed, f.g.fSkipConfirm, f.g.settings),
                         std::tuple(name, key, closes, accepts, Settings{6, 4, 2, false, false, false}));
            }
    }

    void refusedAcceptShowsWhyAndStaysOpen() {
        Fixture f;
        f.g.settings = {5, 5, 3, true, false, true};
        QVERIFY(!f.RunModal([&] {
            f.Click("Check3");
            QTest::keyClick(f.Get("HScroll1_0"), Qt::Key_Right);
            f.Click("Command1");  // irregular pieces on 6 x 5: refused, the dialog stays
        }));
        QCOMPARE(f.platform.MessageTexts(),
                 std::vector<std::string>{"Para jugar con piezas irregulares ambas medidas deben ser iguales."});
        QCOMPARE(f.g.settings, (Settings{5, 5, 3, true, false, true}));
    }
};

QTEST_MAIN(Form2Test)
#include "Form2_test.moc"
