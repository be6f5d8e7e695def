// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/SettingsRules.h"

namespace quilto {

SettingsRule BrokenSettingsRule(const Settings& s) {
    const int c = s.Columns;
    const int r = s.Rows;
    if (s.fIrregular && c != r) return SettingsRule::IrregularNotSquare;
    if (s.fIrregular && c < 3) return SettingsRule::IrregularBelow3x3;
    if (s.fSlide && (c < 2 || r < 2)) return SettingsRule::SlideBelow2x2;
    if (s.fSlide && s.fSlippery) return SettingsRule::SlideWithSlippery;
    if (c == 1 && r == 1) return SettingsRule::OneByOne;
    return SettingsRule::None;
}

const char* SettingsRuleMessage(SettingsRule rule) {
    switch (rule) {
        case SettingsRule::IrregularNotSquare:
            return "Para jugar con piezas irregulares ambas medidas deben ser iguales.";
        case SettingsRule::IrregularBelow3x3:
            return "El tamaño mínimo para jugar con piezas irregulares es de 3x3.";
        case SettingsRule::SlideBelow2x2:
            return "El tamaño mínimo para jugar con desplazamiento es de 2x2.";
        case SettingsRule::SlideWithSlippery:
            return "El juego con desplazamiento no permite la opción de piezas Escurridizas.";
        case SettingsRule::OneByOne:
            return "El tamaño del tablero no puede ser de 1x1.";
        case SettingsRule::None:
            break;
    }
    return "";
}

}  // namespace quilto
