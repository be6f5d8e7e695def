#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/GameState.h"

namespace quilto {

std::string SettingsFilePath(const QString& appDir) {
    const QString name = QString::fromLatin1(kSettingsFileName);
    const QFileInfo beside(QDir(appDir).filePath(name));
    // An existing file can be rewritten in place even in a folder that is not writable.
    const bool writable =
        beside.exists() ? beside.isWritable() : QFileInfo(appDir).isDir() && QFileInfo(appDir).isWritable();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (writable || config.isEmpty() || !QDir().mkpath(config)) return beside.filePath().toStdString();
    return QDir(config).filePath(name).toStdString();
}

}  // namespace quilto
