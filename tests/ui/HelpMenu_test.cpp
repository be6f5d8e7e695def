// The main window's "Ayuda" menu, offscreen: the help page through the
// desktop, and the about box over the main window.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/FakePlatform.h"
#include "ui/Form1.h"
#include "ui/FormMorvelin.h"

using namespace quilto;

namespace {

const QImage& NoPicture(PictureId) {
    static const QImage none;
    return none;
}

}  // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT
private slots:
    // The page is named relative to the program's folder, given as the
    // working folder without its trailing separator.
    void comoJugarOpensTheHelpPageBesideTheProgram() {
        QTemporaryDir dir;
        test::FakePlatform platform;
        GameState g(platform);
        Form1 form(g, dir.path().toStdString() + "/", NoPicture);
        form.MnuHow->trigger();
        using Open = std::pair<std::string, std::string>;
        QCOMPARE(platform.shellOpens, (std::vector<Open>{{"Instrucciones.htm", dir.path().toStdString()}}));
        QVERIFY(platform.messages.empty());
    }

    void acercaDeShowsTheAboutBoxModallyOverTheMainWindow() {
        QTemporaryDir dir;
        test::FakePlatform platform;
        GameState g(platform);
        Form1 form(g, dir.path().toStdString(), NoPicture);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString title;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<FormMorvelin*>(QApplication::activeModalWidget());
            QVERIFY(box);
            modal = box->isModal() && box->parentWidget() == &form;
            title = box->findChild<QLabel*>(QStringLiteral("lblTitulo"))->text();
            QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("lblURL")), Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        form.MnuInfo->trigger();  // returns once the box is closed
        QVERIFY(modal);
        QCOMPARE(title, QString("Quilto 1.0"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(platform.shellOpens.size(), std::size_t(1));
        QCOMPARE(platform.shellOpens[0].first, std::string("http://quilto.example.org"));
    }
};

QTEST_MAIN(HelpMenuTest)
#include "HelpMenu_test.moc"
