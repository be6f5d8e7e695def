// Where the settings are read and saved: beside the program when its folder
// can be written; otherwise saved in the user's configuration folder, which
// is read once it holds a file, the file beside the program until then.
#include "platform/SettingsLocation.h"

#include <QtTest>

#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/QtPrinters.h"

using namespace quilto;

namespace {

const Settings kBeside{6, 4, 2, false, false, false}, kChosen{3, 3, 1, true, false, true};

QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SettingsLocationTest : public QObject {
    Q_OBJECT
    std::string own_;  // the user's file
    QtPlatform platform_;

private slots:
    void init() {
        QCoreApplication::setApplicationName(QStringLiteral("Quilto"));
        QStandardPaths::setTestModeEnabled(true);  // a configuration folder of its own
        const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(!config.isEmpty());
        QDir(config).removeRecursively();
        own_ = config.toStdString() + "/Quilto.ini";
    }
    void cleanup() { QDir(QFileInfo(QString::fromStdString(own_)).path()).removeRecursively(); }

    // A read-only folder (root writes anywhere, so the check is the test's)
    // whose settings file stays the starting point until the first save makes
    // the player's own, which is read from then on; the file beside is untouched.
    void aFileBesideAFolderThatCannotBeWrittenIsReadUntilTheUsersOwnExists() {
        QTemporaryDir app;
        const std::string beside = app.filePath("Quilto.ini").toStdString();
        QVERIFY(SaveSettings(platform_, kBeside, beside));
        const auto readOnly = [](const QString&) { return false; };
        SettingsFiles files = SettingsFilesFor(app.path(), readOnly);
        QCOMPARE_FIELDS((files.read, files.save, LoadSettings(files.read)), (beside, own_, kBeside));
        QVERIFY(SaveSettings(platform_, kChosen, files.save));
        files = SettingsFilesFor(app.path(), readOnly);
        QCOMPARE_FIELDS((files.read, files.save, LoadSettings(files.read), Bytes(beside)),
                        (own_, own_, kChosen, QByteArray::fromStdString(SettingsFileBytes(kBeside))));
        // A folder that can be written has its settings beside, whatever the user's folder holds.
        files = SettingsFilesFor(app.path());
        QCOMPARE_FIELDS((files.read, files.save), (beside, beside));
    }

    // The folder's own check: a folder gone, a file that cannot be replaced,
    // and (where the system honours it for this user) one without write
    // permission. Nothing is made in the user's folder until it is needed.
    void theCheckOfTheProgramsFolder() {
        QTemporaryDir app;
        QVERIFY(CanSaveBeside(app.path()));
        const bool madeElsewhere = QFileInfo::exists(QFileInfo(QString::fromStdString(own_)).path());
        const SettingsFiles gone = SettingsFilesFor(app.filePath("desinstalado"));
        QFile fixed(app.filePath("Quilto.ini"));
        QVERIFY(fixed.open(QIODevice::WriteOnly) && fixed.setPermissions(QFile::ReadOwner));
        const bool fileHonoured = !QFileInfo(fixed.fileName()).isWritable();
        const bool fileRefused = !CanSaveBeside(app.path());
        fixed.remove();
        QVERIFY(QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool folderHonoured = !QFileInfo(app.path()).isWritable();
        const bool folderRefused = !CanSaveBeside(app.path());
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE_FIELDS((madeElsewhere, gone.save, gone.read, fileRefused, folderRefused),
                        (false, own_, app.filePath("desinstalado/Quilto.ini").toStdString(), fileHonoured,
                         folderHonoured));
    }
};

QTEST_MAIN(SettingsLocationTest)
#include "SettingsLocation_test.moc"
