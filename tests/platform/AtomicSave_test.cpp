// Saving the settings file on the Qt platform: a save that fails, whether it
// cannot start or stops half-way, is reported and leaves the old file byte
// for byte, with nothing beside it.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"

using namespace quilto;

namespace {

const Settings kOld{7, 6, 4, true, false, true};
const Settings kNew{65, 65, 1, false, true, false};

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QByteArray FileBytes(const Settings& s) {
    return QByteArray::fromStdString(SettingsFileBytes(s));
}

// Saves kNew in a child process whose files cannot grow past limit bytes, as
// when the disk fills up: a write past it fails instead of ending the process.
QString SaveWithFileSizeLimit(const QString& path, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &cap) != 0) _exit(2);
        QtPlatform platform;
        _exit(SaveSettings(platform, kNew, path.toStdString()) ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return QStringLiteral("no child process");
    if (!WIFEXITED(status)) return QStringLiteral("child died");
    switch (WEXITSTATUS(status)) {
        case 0:
            return QStringLiteral("saved");
        case 1:
            return QStringLiteral("failed");
        default:
            return QStringLiteral("no file-size limit");
    }
}

}  // namespace

class AtomicSaveTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        path_ = dir_.filePath(QStringLiteral("Quilto.ini"));
        QtPlatform platform;
        QVERIFY(SaveSettings(platform, kOld, path_.toStdString()));
    }

    void aWriteStoppedHalfWayKeepsTheOldFile() {
        // The new file is 171 bytes; the first 64 reach the disk.
        QCOMPARE(SaveWithFileSizeLimit(path_, 64), QStringLiteral("failed"));
        QCOMPARE(Bytes(path_), FileBytes(kOld));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Quilto.ini"});
        // Under a limit the file fits, the same save succeeds.
        QCOMPARE(SaveWithFileSizeLimit(path_, 4096), QStringLiteral("saved"));
        QCOMPARE(Bytes(path_), FileBytes(kNew));
    }

    void aSaveThatCannotStartIsReported_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing folder") << "falta/Quilto.ini";
        QTest::newRow("folder that is a file") << "Quilto.ini/Quilto.ini";
        QTest::newRow("a folder in the file's place") << "Carpeta";
    }
    void aSaveThatCannotStartIsReported() {
        QFETCH(QString, file);
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("Carpeta")));
        const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QtPlatform platform;
        QCOMPARE(SaveSettings(platform, kNew, dir_.filePath(file).toStdString()), false);
        QCOMPARE(Bytes(path_), FileBytes(kOld));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QFileInfo(dir_.filePath(QStringLiteral("Carpeta"))).isDir());
    }
};

QTEST_APPLESS_MAIN(AtomicSaveTest)
#include "AtomicSave_test.moc"
