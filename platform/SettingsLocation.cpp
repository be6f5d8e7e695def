// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/GameState.h"

namespace quilto {
namespace {

QString SettingsName() {
    return QString::fromLatin1(kSettingsFileName);
}

std::string Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

bool CanSaveBeside(const QString& appDir) {
    // The file is saved by replacing it with a new one made beside it: that
    // takes a folder that can be written, and a file that may be replaced.
    const QFileInfo folder(appDir), beside(QDir(appDir).filePath(SettingsName()));
    return folder.isDir() && folder.isWritable() && (!beside.exists() || beside.isWritable());
}

SettingsFiles SettingsFilesFor(const QString& appDir, const std::function<bool(const QString&)>& canSaveBeside) {
    const QString beside = QDir(appDir).filePath(SettingsName());
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (canSaveBeside(appDir) || config.isEmpty() || !QDir().mkpath(config)) return {Native(beside), Native(beside)};
    // A file an administrator placed beside the program, or one that became
    // read-only, holds the settings until the player's own file exists.
    const QString own = QDir(config).filePath(SettingsName());
    return {Native(QFileInfo::exists(own) ? own : beside), Native(own)};
}

}  // namespace quilto
