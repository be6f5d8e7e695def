// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The combinations of settings that "Aceptar" of the configuration dialog
// refuses, shared by the dialog and by puzzle creation (which meets them only
// when the settings file was edited by hand).
#include "settings/Settings.h"

namespace quilto {

// In the order the dialog tests them.
enum class SettingsRule {
    None,                // every rule passes
    IrregularNotSquare,  // irregular pieces with columns != rows
    IrregularBelow3x3,   // irregular pieces on fewer than 3 columns
    SlideBelow2x2,       // sliding with fewer than 2 columns or rows
    SlideWithSlippery,   // sliding together with slippery pieces
    OneByOne,            // a board of a single piece
};

// The first rule these settings break, or None.
SettingsRule BrokenSettingsRule(const Settings& s);

// The message the player is shown for a broken rule ("" for None).
const char* SettingsRuleMessage(SettingsRule rule);

}  // namespace quilto
