#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/GameState.h"

namespace quilto {

std::string SettingsFilePath(const QString& appDir) {
    const QString name = QString::fromLatin1(kSettingsFileName);
    const QFileInfo beside(QDir(appDir).filePath(name));
    // The file is saved by replacing it with a new one made beside it: that
    // takes a folder that can be written, and a file that may be replaced.
    const QFileInfo folder(appDir);
    const bool writable = folder.isDir() && folder.isWritable() && (!beside.exists() || beside.isWritable());
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString chosen =
        writable || config.isEmpty() || !QDir().mkpath(config) ? beside.filePath() : QDir(config).filePath(name);
    return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace quilto
