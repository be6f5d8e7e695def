# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Generators for the files that lie beside Quilto: sound cues, sample
pictures and the window icon. Standard library only, deterministic."""
