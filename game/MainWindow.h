// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The toolkit-free side of the main window: its elements as they stand when
// the window opens, start-up, and the one-time layout of the board frame.
#include "game/GameState.h"

namespace quilto {

// The elements as the window opens: only the lavender frame is visible.
void InitElements(Window& win);

// Start-up: appDir is the program's folder in the system's spelling (its
// separator is appended when missing). Seeds the random source, resets the flags, reads the settings.
void Form_Load(GameState& g, const std::string& appDir);

enum class WindowState { Normal, Minimized, Maximized };

// Runs on every change of the window's size or state. outerWidth and
// outerHeight are the window's outer size in window units. Returns true when
// the window must be put back to maximized.
bool Form_Resize(GameState& g, WindowState state, float outerWidth, float outerHeight);

}  // namespace quilto
