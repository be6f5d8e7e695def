// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The boards a new puzzle refuses, with the message the player is shown.
#include <string>

#include "settings/Settings.h"

namespace quilto {

// "El tamaño del tablero (RxC) es demasiado grande." and the advice to
// change the values.
std::string TooLargeMessage(const Settings& s);

// Why a board cannot be built with these settings, or "" when it can. Only a
// hand-edited settings file gets here with values the configuration dialog
// would refuse; a single piece is harmless, so that rule is not enforced.
std::string RefusalOf(const Settings& s);

}  // namespace quilto
