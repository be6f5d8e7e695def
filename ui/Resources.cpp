// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Resources.h"

#include <QtGlobal>

void InitQuiltoResources() {
    Q_INIT_RESOURCE(quilto);
}
