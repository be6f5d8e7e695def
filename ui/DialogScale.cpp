// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DialogScale.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "game/Elements.h"

namespace quilto {

void DialogScale::Grow(double factor) {
    factor_ = std::max(factor_, factor);
}

void DialogScale::Fit(double pixels, int units) {
    Grow(pixels * kUnitsPerPixel / units);
}

int DialogScale::Pixels(int units) const {
    return static_cast<int>(std::ceil(units * factor_ / kUnitsPerPixel - 1e-6));
}

void DialogScale::Place(QWidget* w, int left, int top, int width, int height) const {
    w->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

}  // namespace quilto
