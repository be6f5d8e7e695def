# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sample picture "Colcha": a patchwork quilt of 8 x 6 traditional blocks,
every block in its own fabrics, set in dark sashing with golden cornerstones.
Every block differs from its neighbours, so a puzzle of it can be solved."""
from .canvas import Canvas, mix

WIDTH, HEIGHT = 1200, 900
COLUMNS, ROWS = 8, 6
BLOCK = 128
SASHING = 12

LIGHTS = [(251, 243, 224), (252, 234, 186), (214, 231, 246), (251, 222, 226),
          (222, 239, 210), (236, 226, 246), (244, 244, 238)]
DARKS = [(204, 52, 62), (240, 122, 88), (238, 150, 38), (225, 184, 52),
         (142, 186, 72), (92, 152, 104), (36, 108, 80), (28, 138, 150),
         (92, 164, 220), (42, 62, 124), (118, 58, 132), (228, 124, 168),
         (150, 132, 208), (122, 72, 48)]
SASH = (44, 66, 98)
CORNERSTONE = (232, 182, 58)
BINDING = (128, 34, 58)
THREAD = (255, 255, 255)


class _Lcg:
    """A fixed random sequence, so the picture comes out the same every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self, n):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % n


class _Block:
    """Draws in the unit square of one block: (0,0) top-left, (1,1) bottom-right."""

    def __init__(self, canvas, x, y, size):
        self.c, self.x, self.y, self.s = canvas, x, y, size

    def _pt(self, u, v, turn):
        for _ in range(turn % 4):
            u, v = 1 - v, u
        return (self.x + u * self.s, self.y + v * self.s)

    def poly(self, points, colour, turn=0):
        self.c.polygon([self._pt(u, v, turn) for u, v in points], colour)

    def rect(self, u0, v0, u1, v1, colour, turn=0):
        self.poly([(u0, v0), (u1, v0), (u1, v1), (u0, v1)], colour, turn)

    def circle(self, u, v, r, colour):
        x, y = self._pt(u, v, 0)
        self.c.circle(x, y, r * self.s, colour)

    def all_turns(self, points, colour):
        for turn in range(4):
            self.poly(points, colour, turn)


def _pinwheel(b, bg, a, c, d):
    for turn in range(4):
        b.poly([(0, 0), (0.5, 0), (0.5, 0.5)], a if turn % 2 else c, turn)
    b.circle(0.5, 0.5, 0.06, d)


def _double_nine_patch(b, bg, a, c, d):
    for i in range(3):
        for j in range(3):
            if (i + j) % 2:
                continue
            for k in range(3):
                for m in range(3):
                    colour = (a if (i, j) == (1, 1) else c) if (k + m) % 2 == 0 else bg
                    u, v = (i * 3 + k) / 9, (j * 3 + m) / 9
                    b.rect(u, v, u + 1 / 9, v + 1 / 9, colour)
    b.rect(4 / 9, 4 / 9, 5 / 9, 5 / 9, d)


def _log_cabin(b, bg, a, c, d):
    lights, darks = (bg, mix(bg, (255, 255, 255), 0.5)), (a, c)
    rings, w = 4, 1 / 9
    for k in range(rings):
        lo, hi = k * w, 1 - k * w
        b.rect(lo, lo, hi, lo + w, lights[k % 2])
        b.rect(lo, lo, lo + w, hi, lights[k % 2])
        b.rect(lo + w, hi - w, hi, hi, darks[k % 2])
        b.rect(hi - w, lo + w, hi, hi - w, darks[k % 2])
    b.rect(4 * w, 4 * w, 5 * w, 5 * w, d)


def _sawtooth_star(b, bg, a, c, d):
    b.rect(0.25, 0.25, 0.75, 0.75, a)
    b.poly([(0.5, 0.25), (0.75, 0.5), (0.5, 0.75), (0.25, 0.5)], d)
    b.rect(0.4, 0.4, 0.6, 0.6, c)
    b.all_turns([(0.25, 0.25), (0.5, 0.25), (0.25, 0)], c)
    b.all_turns([(0.5, 0.25), (0.75, 0.25), (0.75, 0)], c)


def _ohio_star(b, bg, a, c, d):
    t = 1 / 3
    b.rect(t, t, 2 * t, 2 * t, a)
    b.circle(0.5, 0.5, 0.09, d)
    for turn in range(4):
        b.poly([(t, 0), (0.5, t / 2), (t, t)], c, turn)
        b.poly([(2 * t, 0), (0.5, t / 2), (2 * t, t)], c, turn)
        b.poly([(t, t), (0.5, t / 2), (2 * t, t)], d, turn)
    for u, v in ((0, 0), (2 * t, 0), (0, 2 * t), (2 * t, 2 * t)):
        b.rect(u + 0.06, v + 0.06, u + t - 0.06, v + t - 0.06, mix(bg, a, 0.25))


def _flying_geese(b, bg, a, c, d):
    for row in range(4):
        v = row / 4
        for col in range(2):
            u = col / 2
            b.poly([(u, v + 0.25), (u + 0.5, v + 0.25), (u + 0.25, v)],
                   (a, c, d)[(row + col) % 3])


def _bullseye(b, bg, a, c, d):
    for r, colour in ((0.44, a), (0.34, c), (0.24, bg), (0.16, d), (0.07, a)):
        b.circle(0.5, 0.5, r, colour)
    for u, v in ((0.08, 0.08), (0.92, 0.08), (0.08, 0.92), (0.92, 0.92)):
        b.circle(u, v, 0.05, c)


def _square_in_square(b, bg, a, c, d):
    b.poly([(0.5, 0.02), (0.98, 0.5), (0.5, 0.98), (0.02, 0.5)], a)
    b.rect(0.26, 0.26, 0.74, 0.74, c)
    b.poly([(0.5, 0.3), (0.7, 0.5), (0.5, 0.7), (0.3, 0.5)], d)
    b.rect(0.44, 0.44, 0.56, 0.56, bg)


def _checkerboard(b, bg, a, c, d):
    for i in range(4):
        for j in range(4):
            if (i + j) % 2 == 0:
                b.rect(i / 4, j / 4, (i + 1) / 4, (j + 1) / 4, a if (i // 2 + j // 2) % 2 else c)
            else:
                b.circle((i + 0.5) / 4, (j + 0.5) / 4, 0.05, d)


def _bow_tie(b, bg, a, c, d):
    for turn in range(4):
        b.poly([(0.06, 0.06), (0.38, 0.38), (0.38, 0.62), (0.06, 0.94)],
               a if turn % 2 == 0 else c, turn)
    b.rect(0.38, 0.38, 0.62, 0.62, d)


def _rail_fence(b, bg, a, c, d):
    stripes = (a, c, mix(bg, d, 0.5))
    for qi in range(2):
        for qj in range(2):
            u, v = qi / 2, qj / 2
            for k, colour in enumerate(stripes):
                if (qi + qj) % 2 == 0:
                    b.rect(u, v + k / 6, u + 0.5, v + (k + 1) / 6, colour)
                else:
                    b.rect(u + k / 6, v, u + (k + 1) / 6, v + 0.5, colour)


def _heart(b, bg, a, c, d):
    b.circle(0.36, 0.4, 0.17, a)
    b.circle(0.64, 0.4, 0.17, a)
    b.poly([(0.2, 0.47), (0.8, 0.47), (0.5, 0.84)], a)
    b.circle(0.3, 0.34, 0.05, mix(a, (255, 255, 255), 0.45))
    for k in range(8):
        u = (k + 0.5) / 8
        b.circle(u, 0.05, 0.025, c)
        b.circle(u, 0.95, 0.025, c)


def _churn_dash(b, bg, a, c, d):
    t = 1 / 3
    b.rect(t, t, 2 * t, 2 * t, d)
    for turn in range(4):
        b.poly([(0, 0), (t, 0), (0, t)], a, turn)
        b.rect(t, 0, 2 * t, t / 2, c, turn)


def _hourglass(b, bg, a, c, d):
    for turn in range(4):
        b.poly([(0, 0), (1, 0), (0.5, 0.5)], a if turn % 2 == 0 else c, turn)
    b.poly([(0.5, 0.3), (0.7, 0.5), (0.5, 0.7), (0.3, 0.5)], d)
    b.circle(0.5, 0.5, 0.07, bg)


PATTERNS = [_pinwheel, _double_nine_patch, _log_cabin, _sawtooth_star, _ohio_star,
            _flying_geese, _bullseye, _square_in_square, _checkerboard, _bow_tie,
            _rail_fence, _heart, _churn_dash, _hourglass]


def _fabric(canvas, x, y, bg, ink, kind):
    """The background fabric of a block: plain, dotted or pinstriped."""
    canvas.rect(x, y, x + BLOCK, y + BLOCK, bg)
    if kind == 1:
        for j in range(6, BLOCK, 12):
            for i in range(6 + (j // 12 % 2) * 6, BLOCK, 12):
                canvas.circle(x + i, y + j, 1.8, mix(bg, ink, 0.3))
    elif kind == 2:
        for j in range(4, BLOCK, 8):
            canvas.rect(x, y + j, x + BLOCK, y + j + 1, mix(bg, ink, 0.18))


def _stitches(canvas, x, y):
    """A running stitch just inside the block's seam."""
    inset, dash, gap = 5, 7, 5
    for k in range(inset, BLOCK - inset - dash + 1, dash + gap):
        for (x0, y0, x1, y1) in ((x + k, y + inset, x + k + dash, y + inset + 2),
                                 (x + k, y + BLOCK - inset - 2, x + k + dash, y + BLOCK - inset),
                                 (x + inset, y + k, x + inset + 2, y + k + dash),
                                 (x + BLOCK - inset - 2, y + k, x + BLOCK - inset, y + k + dash)):
            for yy in range(y0, y1):
                for xx in range(x0, x1):
                    canvas.blend(xx, yy, THREAD, 0.55)


def draw():
    canvas = Canvas(WIDTH, HEIGHT, SASH)
    rng = _Lcg(20240607)
    inner_w = COLUMNS * BLOCK + (COLUMNS + 1) * SASHING
    inner_h = ROWS * BLOCK + (ROWS + 1) * SASHING
    left, top = (WIDTH - inner_w) // 2, (HEIGHT - inner_h) // 2

    # The binding: a dark band round the edge with a thin golden piping.
    canvas.rect(0, 0, WIDTH, HEIGHT, BINDING)
    canvas.rect(left - 8, top - 8, WIDTH - left + 8, HEIGHT - top + 8, CORNERSTONE)
    canvas.rect(left - 5, top - 5, WIDTH - left + 5, HEIGHT - top + 5, SASH)

    for j in range(ROWS + 1):
        for i in range(COLUMNS + 1):
            x = left + i * (BLOCK + SASHING)
            y = top + j * (BLOCK + SASHING)
            canvas.rect(x, y, x + SASHING, y + SASHING, CORNERSTONE)

    for j in range(ROWS):
        for i in range(COLUMNS):
            x = left + SASHING + i * (BLOCK + SASHING)
            y = top + SASHING + j * (BLOCK + SASHING)
            bg = LIGHTS[rng.next(len(LIGHTS))]
            picks = []
            while len(picks) < 3:
                colour = DARKS[rng.next(len(DARKS))]
                if colour not in picks:
                    picks.append(colour)
            _fabric(canvas, x, y, bg, picks[0], rng.next(3))
            PATTERNS[(i * 5 + j * 3) % len(PATTERNS)](_Block(canvas, x, y, BLOCK), bg, *picks)
            _stitches(canvas, x, y)
    return canvas
