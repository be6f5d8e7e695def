// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the settings are read and saved: beside the program when its folder
// can be written; otherwise saved in the user's configuration folder, which
// is read once it holds a file, the file beside the program until then.
#include "platform/SettingsLocation.h"

#include <QtTest>

#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/QtPrinters.h"

using namespace quilto;

class SettingsLocationTest : public QObject {
    Q_OBJECT
    QString config_;
    std::string own_;  // the user's file
    QtPlatform platform_;

private slots:
    void init() {
        QCoreApplication::setApplicationName(QStringLiteral("Quilto"));
        QStandardPaths::setTestModeEnabled(true);  // a configuration folder of its own
        config_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(!config_.isEmpty() && QDir(config_).removeRecursively());
        own_ = config_.toStdString() + "/Quilto.ini";
    }
    void cleanup() { QDir(config_).removeRecursively(); }

    // A read-only folder (root writes anywhere, so the test tells it so):
    // its file is the starting point until the first save makes the
    // player's own, read from then on; the file beside stays as it was.
    void aFileBesideAFolderThatCannotBeWrittenIsReadUntilTheUsersOwnExists() {
        QTemporaryDir app;
        const std::string beside = app.filePath("Quilto.ini").toStdString();
        const Settings placed{6, 4, 2, false, false, false}, chosen{3, 3, 1, true, false, true};
        QVERIFY(SaveSettings(platform_, placed, beside));
        const auto readOnly = [](const QString&) { return false; };
        SettingsFiles files = SettingsFilesFor(app.path(), readOnly);
        QCOMPARE_FIELDS((files.read, files.save, LoadSettings(files.read)), (beside, own_, placed));
        QVERIFY(SaveSettings(platform_, chosen, files.save));
        files = SettingsFilesFor(app.path(), readOnly);
        QCOMPARE_FIELDS((files.read, files.save, LoadSettings(files.read), LoadSettings(beside)),
                        (own_, own_, chosen, placed));
        // A folder that can be written has its settings beside, whatever the user's folder holds.
        files = SettingsFilesFor(app.path());
        QCOMPARE_FIELDS((files.read, files.save), (beside, beside));
    }

    // The folder's own check: a folder gone, a file that cannot be replaced
    // and a folder without write permission (where the system refuses them to
    // this user). Nothing is made in the user's folder until it is needed.
    void theCheckOfTheProgramsFolder() {
        QTemporaryDir app;
        const bool writable = CanSaveBeside(app.path()), madeElsewhere = QFileInfo::exists(config_);
        const SettingsFiles gone = SettingsFilesFor(app.filePath("desinstalado"));
        QFile fixed(app.filePath("Quilto.ini"));
        QVERIFY(fixed.open(QIODevice::WriteOnly) && fixed.setPermissions(QFile::ReadOwner));
        const bool fileRefused = !CanSaveBeside(app.path()), fileHonoured = !QFileInfo(fixed).isWritable();
        QVERIFY(fixed.remove() && QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool folderRefused = !CanSaveBeside(app.path()), folderHonoured = !QFileInfo(app.path()).isWritable();
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE_FIELDS((writable, madeElsewhere, gone.save, fileRefused, folderRefused),
                        (true, false, own_, fileHonoured, folderHonoured));
    }
};

QTEST_MAIN(SettingsLocationTest)
#include "SettingsLocation_test.moc"
