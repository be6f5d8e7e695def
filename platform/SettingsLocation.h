// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the settings file lives. Beside the program when its folder may be
// written (a copy unpacked in the user's own folder, the build tree);
// otherwise, as for an installed program, in the user's configuration
// folder, which is read only once it holds a file: until then a settings
// file placed beside the program is read.
#include <QString>
#include <functional>
#include <string>

namespace quilto {

struct SettingsFiles {
    std::string read;  // the file start-up reads
    std::string save;  // the file each new puzzle saves
};

// Whether a settings file can be saved in the folder appDir: the folder can
// be written, and "Quilto.ini" there, if there is one, replaced.
bool CanSaveBeside(const QString& appDir);

// The settings files of the program in appDir, canSaveBeside telling whether
// its folder can take them. The user's configuration folder is created when
// the save goes there.
SettingsFiles SettingsFilesFor(const QString& appDir,
                               const std::function<bool(const QString&)>& canSaveBeside = CanSaveBeside);

}  // namespace quilto
