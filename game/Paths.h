// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Folder paths as the game keeps them: in the system's own spelling, a folder
// ending in the separator, so that a file's path is the folder and its name.
#include <string>

namespace quilto {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// '/' separates folders everywhere; the system may have its own separator too.
inline bool IsPathSeparator(char c) {
    return c == '/' || c == kPathSeparator;
}

// The folder with a trailing separator; "" becomes the separator alone.
inline std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || !IsPathSeparator(folder.back())) folder += kPathSeparator;
    return folder;
}

// The folder without its trailing separator; a lone separator (the root) stays.
inline std::string WithoutTrailingSeparator(std::string folder) {
    if (folder.size() > 1 && IsPathSeparator(folder.back())) folder.pop_back();
    return folder;
}

}  // namespace quilto
