// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration dialog, offscreen, driven the way the player drives it:
// the keyboard, the live labels, the close box and a refused "Aceptar". The
// rules behind the controls are tested on the toolkit-free model.
#include "ui/Form2.h"

#include <QLabel>
#include <QScrollBar>
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
    // The board size and the number of pieces, as the labels show them.
    QString Labels() { return Get<QLabel>("Label1")->text() + ' ' + Get<QLabel>("Label3")->text(); }
    // Shows the dialog modally with these settings and runs `interact` inside it;
    // true when that hid the dialog, which is otherwise hidden afterwards to go on.
    template <typename F>
    bool RunModal(const Settings& s, F interact) {
        g.settings = s;
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
    // Tab stops at the selected fit option only; Esc never closes; the close box cancels.
    void keysBarsAndIdenticalThenTheCloseBoxCancels() {
        Fixture f;
        QStringList seen;  // the focus at each Tab, then the labels
        QVERIFY(f.RunModal({6, 4, 2, false, false, false}, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&f.form, 30000));
            for (int i = 0; i < 10; ++i, QTest::keyClick(f.form.focusWidget(), Qt::Key_Tab))
                seen << f.form.focusWidget()->objectName();
            QTest::keyClick(f.Get("HScroll1_0"), Qt::Key_Right);  // Right moves the thumb right
            seen << f.Labels();
            QTest::mouseClick(f.Get("Check3"), Qt::LeftButton);  // "Idénticos.": both take the smaller
            seen << f.Labels();
            f.Get<QScrollBar>("HScroll1_1")->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track
            QTest::keyClick(f.Get("HScroll1_1"), Qt::Key_Escape);
            seen << f.Labels() + (f.form.isVisible() ? " open" : " closed");
            f.form.close();
        }));
        QCOMPARE(seen, QStringList({"Command1", "HScroll1_0", "Check3", "Check1", "Check2", "Option1_1", "Check4",
                                    "Command2", "HScroll1_1", "Command1", "7x4 28", "4x4 16", "5x5 25 open"}));
        QCOMPARE_FIELDS((f.form.windowTitle(), f.g.settings, f.g.fSkipConfirm),
                        (QString("Configuración"), Settings{6, 4, 2, false, false, false}, false));
    }

    // Enter, either key, acts only through a focused button.
    void enterActsOnlyThroughTheFocusedButton() {
        const std::tuple<const char*, bool, bool> cases[] = {{"Check3", false, false},    {"Check1", false, false},
                                                             {"Option1_1", false, false}, {"HScroll1_0", false, false},
                                                             {"Command1", true, true},    {"Command2", true, false}};
        for (const auto& [name, closes, accepts] : cases)
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
                Fixture f;
                const bool closed = f.RunModal({6, 4, 2, false, false, false}, [&] {
                    f.Get(name)->setFocus();
                    QTest::keyClick(f.Get(name), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                });
                QCOMPARE_FIELDS((closed, f.g.fSkipConfirm, f.g.settings),
                                (closes, accepts, Settings{6, 4, 2, false, false, false}), name, key);
            }
    }

    // Irregular pieces on 6 x 5: refused with a message (its text is the
    // model's), and the dialog stays.
    void refusedAcceptShowsWhyAndStaysOpen() {
        Fixture f;
        QVERIFY(!f.RunModal({5, 5, 3, true, false, true}, [&] {
            QTest::mouseClick(f.Get("Check3"), Qt::LeftButton);
            QTest::keyClick(f.Get("HScroll1_0"), Qt::Key_Right);
            QTest::mouseClick(f.Get("Command1"), Qt::LeftButton);
        }));
        QCOMPARE_FIELDS((f.g.settings, f.platform.MessageTexts().size()),
                        (Settings{5, 5, 3, true, false, true}, std::size_t(1)));
    }
};

QTEST_MAIN(Form2Test)
#include "Form2_test.moc"
