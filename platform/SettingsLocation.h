#pragma once
// Where the settings file lives. Beside the program when its folder may be
// written (a copy unpacked in the user's own folder, the build tree);
// otherwise, as for an installed program, in the user's configuration folder.
#include <QString>
#include <string>

namespace quilto {

// The full path of "Quilto.ini" for the program in appDir. The user's
// configuration folder is created when it is the one chosen.
std::string SettingsFilePath(const QString& appDir);

}  // namespace quilto
