# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window icon: a small quilt of 3 x 3 patches with its last patch lifted
out of place, in sixteen flat colours. Drawn on a 32-unit grid and sampled at
any size, so the 32 and the 256 pixel icons show the same picture."""
from . import png

TRANSPARENT, BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, \
    RED, LIME, YELLOW, BLUE, AQUA, WHITE = range(16)
PALETTE = [(255, 0, 255), (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
           (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0),
           (0, 255, 0), (255, 255, 0), (0, 0, 255), (0, 255, 255), (255, 255, 255)]

BOARD, PATCH = 2.0, 8.0          # the board's corner and one patch's side, in units
LIFTED = 22.0                    # corner of the lifted patch


def _patch(kind, u, v):
    """Colour of a patch at (u, v), both 0..8 inside the patch."""
    if kind == 0:
        return RED if u + v < 8 else YELLOW
    if kind == 1:
        return BLUE if (u < 4) == (v < 4) else WHITE
    if kind == 2:
        return YELLOW if abs(u - 4) + abs(v - 4) < 2.6 else GREEN
    if kind == 3:
        return WHITE if 2.5 < u < 5.5 and 2.5 < v < 5.5 else TEAL
    if kind == 4:
        return NAVY if abs(v - 4) > abs(u - 4) else AQUA
    if kind == 5:
        return RED if (int(u // 2.67) + int(v // 2.67)) % 2 == 0 else WHITE
    if kind == 6:
        return PURPLE if u > v else YELLOW
    if kind == 7:
        return OLIVE if int(v // 2) % 2 == 0 else LIME
    # The lifted patch: a golden cross and diamond on blue.
    return YELLOW if abs(u - 4) + abs(v - 4) < 3 or (abs(u - 4) < 1 or abs(v - 4) < 1) else BLUE


def colour_at(u, v, line):
    # The lifted patch with its shadow, above everything.
    lu, lv = u - LIFTED, v - LIFTED
    if 0 <= lu < PATCH and 0 <= lv < PATCH:
        if lu < line or lv < line or lu >= PATCH - line or lv >= PATCH - line:
            return BLACK
        return _patch(8, lu, lv)
    su, sv = lu - 1.0, lv - 1.0
    if 0 <= su < PATCH and 0 <= sv < PATCH:
        return GREY
    bu, bv = u - BOARD, v - BOARD
    size = 3 * PATCH
    if not (0 <= bu < size + line and 0 <= bv < size + line):
        return TRANSPARENT
    col, row = min(2, int(bu // PATCH)), min(2, int(bv // PATCH))
    pu, pv = bu - col * PATCH, bv - row * PATCH
    if pu < line or pv < line or bu >= size or bv >= size:
        return BLACK
    if (row, col) == (2, 2):
        return SILVER if (pu + pv) % 4 < 2 else GREY  # the empty place, hatched
    return _patch(row * 3 + col, pu, pv)


def draw(size):
    scale = size / 32.0
    line = 1.0 if size <= 32 else 0.5
    indices = bytearray()
    for y in range(size):
        for x in range(size):
            indices.append(colour_at((x + 0.5) / scale, (y + 0.5) / scale, line))
    return png.encode_palette(size, size, bytes(indices), PALETTE, transparent_index=TRANSPARENT)
