// Where the settings file goes: beside the program when its folder can be
// written, in the user's configuration folder otherwise.
#include "platform/SettingsLocation.h"

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

    // Nothing is made elsewhere while the program's folder can be written;
    // the user's folder is made when it is needed.
    void besideTheProgramOrInTheUsersFolder() {
        QTemporaryDir app;
        const QString beside = QString::fromStdString(SettingsFilePath(app.path()));
        const bool madeElsewhere = QFileInfo::exists(config_);
        // A folder gone, and one without write permission (which root does not honour).
        const QString gone = QString::fromStdString(SettingsFilePath(app.filePath("desinstalado")));
        QVERIFY(QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool honoured = !QFileInfo(app.path()).isWritable();
        const QString readOnly = QString::fromStdString(SettingsFilePath(app.path()));
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(std::tuple(beside, madeElsewhere, gone, QFileInfo(config_).isDir(), honoured ? readOnly : gone),
                 std::tuple(app.filePath("Quilto.ini"), false, config_ + "/Quilto.ini", true, config_ + "/Quilto.ini"));
    }
};

QTEST_MAIN(SettingsLocationTest)
#include "SettingsLocation_test.moc"
