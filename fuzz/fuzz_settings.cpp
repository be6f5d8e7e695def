// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes in "Quilto.ini" either read as six values that survive a save
// and a new read unchanged, or are refused.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto settings = quilto::ParseSettings(bytes);
    if (!settings) return 0;
    const auto again = quilto::ParseSettings(quilto::SettingsFileBytes(*settings));
    if (!again || !(*again == *settings)) std::abort();
    return 0;
}
