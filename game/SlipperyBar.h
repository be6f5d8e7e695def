// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The slippery pieces' bar counted in ticks. A kept game stores how far the
// bar had grown as the ticks since it was last emptied, so that it resumes at
// the same point under a board frame of any width.

namespace quilto {

// The bar is full on the 20th tick (19.2 growths fill it), so a bar on the
// screen has grown 0 to 19 ticks.
inline constexpr int kMaxBarTicks = 19;

// One tick's growth, as Timer1_Timer makes it: a 19.2th of the frame's width,
// the sum kept in single precision as the window holds widths.
inline float GrowBar(float bar, float full) {
    return static_cast<float>(bar + full / 19.2);
}

// The bar's width after that many ticks from empty.
inline float BarWidthAfter(int ticks, float full) {
    float bar = 0;
    for (int i = 0; i < ticks; ++i) bar = GrowBar(bar, full);
    return bar;
}

// The ticks that brought an empty bar to this width: the fewest that reach
// it, at most kMaxBarTicks.
inline int BarTicks(float bar, float full) {
    int ticks = 0;
    for (float grown = 0; ticks < kMaxBarTicks && grown < bar; ++ticks) grown = GrowBar(grown, full);
    return ticks;
}

}  // namespace quilto
