// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings save on the Qt platform that fails, whether it cannot start or
// stops half-way, is reported and leaves the old file byte for byte, with
// nothing beside it.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"
#include "support/QtPrinters.h"

using namespace quilto;

const Settings kOld{7, 6, 4, true, false, true}, kNew{65, 65, 1, false, true, false};

// Saves kNew to `file` in a child process whose files cannot grow past `limit`
// bytes (as on a full disk, a write past it fails); gives whether it was saved.
static bool SaveInChild(const QString& file, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        QtPlatform platform;
        _exit(setrlimit(RLIMIT_FSIZE, &cap) == 0 && SaveSettings(platform, kNew, file.toStdString()) ? 0 : 1);
    }
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && status == 0;
}

class AtomicSaveTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedSaveKeepsTheOldFile() {
        // Saving kNew takes 171 bytes: 64 stop it half-way, 4096 do not; the
        // others cannot start (missing folder, a file as folder, a folder in the file's place).
        for (auto [file, limit, saves] : {std::tuple{"Quilto.ini", 64, false},
                                          {"Quilto.ini", 4096, true},
                                          {"falta/Quilto.ini", 4096, false},
                                          {"Quilto.ini/Quilto.ini", 4096, false},
                                          {"Carpeta", 4096, false}}) {
            QTemporaryDir dir;
            QtPlatform platform;
            const QString path = dir.filePath("Quilto.ini");
            QVERIFY(SaveSettings(platform, kOld, path.toStdString()) && QDir(dir.path()).mkdir("Carpeta"));
            const bool saved = SaveInChild(dir.filePath(file), rlim_t(limit));
            QFile written(path);
            written.open(QIODevice::ReadOnly);  // unread, it shows no bytes
            QCOMPARE_FIELDS((saved, written.readAll(), QFileInfo(dir.filePath("Carpeta")).isDir(),
                             QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)),
                            (saves, QByteArray::fromStdString(SettingsFileBytes(saves ? kNew : kOld)), true,
                             QStringList({"Carpeta", "Quilto.ini"})),
                            file, limit);
        }
    }
};

QTEST_APPLESS_MAIN(AtomicSaveTest)
#include "AtomicSave_test.moc"
