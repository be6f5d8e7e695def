// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pictures compiled into the program: its icon and the about box's logo.
// Every window that shows one calls this first; calling it again does no
// harm. It lies outside the program's namespace, where Qt's resource set-up
// must be called from.
void InitQuiltoResources();
