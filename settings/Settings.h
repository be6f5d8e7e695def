// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>

namespace quilto {

// The six options the player keeps between runs.
struct Settings {
    std::int16_t Columns = 5;
    std::int16_t Rows = 5;
    std::int16_t FitMode = 3;
    bool fIrregular = true;
    bool fSlide = false;
    bool fSlippery = false;

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace quilto
