// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Window units to pixels for a dialog whose boxes were drawn for fonts that
// may be missing here: with wider ones the whole dialog grows evenly, just
// enough for every text to fit its box.
class QWidget;

namespace quilto {

class DialogScale {
public:
    // Grows the scale to at least factor.
    void Grow(double factor);
    // Grows the scale so that `pixels` fit into a box of `units` window units.
    void Fit(double pixels, int units);
    double Factor() const { return factor_; }

    // Window units to pixels, rounded up, so that a box the texts were fitted
    // to never comes out a pixel short.
    int Pixels(int units) const;
    void Place(QWidget* w, int left, int top, int width, int height) const;

private:
    double factor_ = 1.0;
};

}  // namespace quilto
