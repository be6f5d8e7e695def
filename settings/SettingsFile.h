// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Quilto.ini": twelve Windows-1252 lines, a label and a value for each
// setting, every line ended by CR LF.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/Settings.h"

namespace quilto {

// The exact bytes of the file for these settings.
std::string SettingsFileBytes(const Settings& s);

// Reads the six values; nullopt when anything is wrong with the text (it
// stops short, a value is not a whole number or does not fit 16 bits).
std::optional<Settings> ParseSettings(std::string_view bytes);

// The settings in the file, or the defaults when it cannot be read.
Settings LoadSettings(const std::string& path);

// Writes the file whole through the platform: a failure never leaves a
// truncated file, and the old one stays as it was. Returns false on failure.
bool SaveSettings(Platform& platform, const Settings& s, const std::string& path);

}  // namespace quilto
