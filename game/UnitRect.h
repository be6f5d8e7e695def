// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>

namespace quilto {

// One piece of an irregular board on its unit grid: the top-left unit,
// counted from 0 left to right and top to bottom, and the size in units.
struct UnitRect {
    std::int16_t Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const UnitRect&, const UnitRect&) = default;
};

}  // namespace quilto
