// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The system asking the program to end (SIGTERM, as when the desktop
// session ends; SIGHUP; SIGINT) ends it as closing its window does: the
// event loops are left and the application's aboutToQuit runs.

namespace quilto {

// Installs the handlers; once per program, after the application exists.
void QuitOnEndSignals();

}  // namespace quilto
