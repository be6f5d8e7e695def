// Where the settings file goes: beside the program when its folder can be
// written, in the user's configuration folder otherwise.
#include "platform/SettingsLocation.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quilto;

class SettingsLocationTest : public QObject {
    Q_OBJECT
    QString config_;

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("Quilto"));
        QStandardPaths::setTestModeEnabled(true);  // a configuration folder of its own
        config_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(!config_.isEmpty());
        QDir(config_).removeRecursively();
    }
    void cleanupTestCase() { QDir(config_).removeRecursively(); }

    void besideAWritableProgram() {
        QTemporaryDir app;
        QCOMPARE(QString::fromStdString(SettingsFilePath(app.path())), app.filePath("Quilto.ini"));
        QVERIFY(!QFileInfo::exists(config_));  // nothing made elsewhere
    }

    void inTheUsersFolderWhenTheProgramsCannotBeWritten() {
        QTemporaryDir app;
        const QString gone = app.filePath("desinstalado");  // a folder nobody can write into
        QCOMPARE(QString::fromStdString(SettingsFilePath(gone)), config_ + "/Quilto.ini");
        QVERIFY2(QFileInfo(config_).isDir(), "the configuration folder is not made");

        // A folder without write permission, where the permission counts (not for root).
        QVERIFY(QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool honoured = !QFileInfo(app.path()).isWritable();
        const std::string chosen = SettingsFilePath(app.path());
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (honoured) QCOMPARE(QString::fromStdString(chosen), config_ + "/Quilto.ini");
    }
};

QTEST_MAIN(SettingsLocationTest)
#include "SettingsLocation_test.moc"
