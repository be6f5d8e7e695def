// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PuzzleRefusal.h"

#include "game/GameState.h"
#include "game/SettingsRules.h"

namespace quilto {

std::string TooLargeMessage(const Settings& s) {
    return "El tamaño del tablero (" + std::to_string(s.Rows) + "x" + std::to_string(s.Columns) +
           ") es demasiado grande." + "\r" + "Cambia los valores y prueba de nuevo.";
}

std::string RefusalOf(const Settings& s) {
    if (s.Columns < 1 || s.Columns > kMaxSide || s.Rows < 1 || s.Rows > kMaxSide) return TooLargeMessage(s);
    const SettingsRule rule = BrokenSettingsRule(s);
    if (rule == SettingsRule::None || rule == SettingsRule::OneByOne) return {};
    return SettingsRuleMessage(rule);
}

}  // namespace quilto
