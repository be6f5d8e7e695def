// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

#include "game/GameState.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsLocation.h"
#include "ui/EndSignals.h"
#include "ui/Form1.h"
#include "ui/FormMorvelin.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilto"));
    quilto::InstallSpanishTranslations(app);

    quilto::QuitOnEndSignals();

    quilto::QtPlatform platform;
    // The game in progress is kept in the user's data folder.
    platform.SetDataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    quilto::GameState g(platform);
    const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const quilto::SettingsFiles settings = quilto::SettingsFilesFor(appDir);
    g.SettingsReadPath = settings.read;
    g.SettingsPath = settings.save;
    quilto::Form1 form(g, appDir.toStdString(), [&platform](quilto::PictureId id) -> const quilto::DecodedPicture& {
        return platform.Picture(id);
    });
    platform.SetOwner(&form);
    platform.SetShownArea([&form] { return form.LargestBoardPixels(); });
    platform.SetBeforeEvents([&form] { form.Sync(); });
    // The about box comes first; the main window opens once it is closed.
    quilto::FormMorvelin::ShowModal(platform, g.AppDir, &form);
    form.showMaximized();
    // A saved game given as the only argument (the file manager's open)
    // opens once the board frame is laid out. Nothing else is read.
    if (const QStringList args = QCoreApplication::arguments(); args.size() == 2)
        form.OpenWhenLaidOut(QDir::toNativeSeparators(args[1]).toStdString());
    const int code = QApplication::exec();
    platform.SetBeforeEvents(nullptr);
    return code;
}
