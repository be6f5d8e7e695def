# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sample picture "Faro", upright: a striped lighthouse on a green
headland over a bright sea, with sailing boats, an island, gulls, rocks in
the surf and a sandy cove in front. Every part of it looks different, so a
tall puzzle of it can be solved."""
import math

from .canvas import Canvas, mix
from .landscape_picture import _Lcg, _cloud

WIDTH, HEIGHT = 900, 1200
HORIZON = 560


def _cliff_top(x):
    """The grassy top edge of the headland on the right."""
    return 600 - 70 * math.exp(-((x - 700) / 190) ** 2) + 10 * math.sin(x / 23) if x > 420 else HEIGHT + 10


def _beach_top(x):
    return 1010 + 60 * math.sin(x / 260 + 0.4) - 0.12 * x


def _sky(c):
    c.vertical_gradient(0, HORIZON, [(0.0, (38, 96, 178)), (0.55, (106, 170, 228)),
                                     (0.9, (200, 226, 240)), (1.0, (236, 232, 214))])
    c.glow(170, 150, 190, (255, 244, 210), 0.55)
    c.circle(170, 150, 46, (255, 236, 150))
    c.circle(170, 150, 38, (255, 248, 206))


def _sea(c, rng):
    c.vertical_gradient(HORIZON, HEIGHT, [(0.0, (34, 82, 140)), (0.35, (28, 120, 168)),
                                          (0.75, (36, 170, 186)), (1.0, (96, 206, 196))])
    # The sun's path on the water and the ripples, longer toward the viewer.
    for _ in range(420):
        y = rng.uniform(HORIZON + 4, HEIGHT)
        depth = (y - HORIZON) / (HEIGHT - HORIZON)
        x = rng.uniform(-40, WIDTH)
        length = 8 + 46 * depth
        near_sun = abs(x - 170) < 40 + 90 * depth
        colour = (255, 240, 190) if near_sun else mix((150, 200, 230), (220, 246, 246), depth)
        c.line(x, y, x + length, y, 1.2 + 2.2 * depth, colour, 0.85)


def _island(c):
    c.ellipse(330, HORIZON + 2, 130, 26, (72, 112, 104))
    c.ellipse(300, HORIZON - 4, 70, 22, (84, 128, 112))
    c.rect(200, HORIZON + 2, 460, HORIZON + 30, (34, 82, 140))
    for x in (262, 300, 340):  # three little trees
        c.circle(x, HORIZON - 16, 9, (54, 96, 78))


def _boat(c, x, y, s, sail, hull, stripe):
    c.polygon([(x - 46 * s, y), (x + 52 * s, y), (x + 36 * s, y + 16 * s), (x - 34 * s, y + 16 * s)], hull)
    c.rect(int(x - 40 * s), int(y + 3 * s), int(x + 46 * s), int(y + 6 * s), stripe)
    c.rect(int(x - 2 * s), int(y - 98 * s), int(x + 2 * s), int(y), (70, 52, 40))
    c.polygon([(x + 3 * s, y - 96 * s), (x + 3 * s, y - 6 * s), (x + 50 * s, y - 6 * s)], sail)
    c.polygon([(x - 3 * s, y - 80 * s), (x - 3 * s, y - 8 * s), (x - 38 * s, y - 8 * s)], mix(sail, (255, 255, 255), 0.5))
    c.polygon([(x + 2 * s, y - 98 * s), (x + 20 * s, y - 92 * s), (x + 2 * s, y - 86 * s)], stripe)
    c.ellipse(x + 4 * s, y + 18 * s, 60 * s, 4 * s, (230, 246, 250), 0.6)


def _headland(c, rng):
    def rock(x, y):
        depth = y - _cliff_top(x + 0.5)
        if depth < 26:
            return (86, 160, 70) if depth < 18 else (62, 128, 56)
        # Layers of uneven thickness, warmer to the left and greyer to the right.
        layer = (y + 14 * math.sin(x / 17) + 30 * math.sin(x / 71)) / (30 + 10 * math.sin(x / 130))
        base = mix((176, 128, 92), (128, 118, 124), (x - 420) / 480)
        return mix(base, ((255, 236, 200), (60, 40, 30), (140, 100, 70))[int(layer) % 3], 0.18 + 0.1 * (int(layer) % 2))

    c.below_curve(_cliff_top, None, bottom=HEIGHT, shade=rock)
    for _ in range(60):  # tufts and flowers on the grass
        x = rng.uniform(440, WIDTH)
        y = _cliff_top(x) + rng.uniform(2, 14)
        c.circle(x, y, rng.uniform(2, 4), ((250, 220, 70), (255, 255, 255), (232, 92, 120))[int(rng.uniform(0, 3))])
    # A cave in the cliff, with the sea's glint inside.
    c.ellipse(820, 830, 50, 60, (52, 40, 40))
    c.ellipse(820, 846, 36, 42, (30, 24, 26))
    c.ellipse(820, 884, 32, 6, (70, 150, 170))
    # Bushes on the ledges.
    for x, y, s in ((470, 700, 1.0), (560, 820, 0.8), (860, 760, 1.1), (700, 700, 0.9), (470, 900, 0.7)):
        for dx, dy, r, colour in ((-14, 0, 14, (44, 104, 52)), (12, 2, 13, (44, 104, 52)),
                                  (0, -10, 15, (70, 140, 64)), (-4, -16, 7, (120, 186, 92))):
            c.circle(x + dx * s, y + dy * s, r * s, colour)
    # Stone steps zigzag from the house down to the cove.
    turns = [(800, 612), (610, 690), (760, 760), (600, 850), (540, 980)]
    for (xa, ya), (xb, yb) in zip(turns, turns[1:]):
        c.line(xa, ya + 3, xb, yb + 3, 12, (96, 78, 64))
        c.line(xa, ya, xb, yb, 10, (232, 220, 196))
        steps = int(math.hypot(xb - xa, yb - ya) / 14)
        for k in range(1, steps):
            t = k / steps
            x, y = xa + (xb - xa) * t, ya + (yb - ya) * t
            c.line(x, y - 5, x, y + 5, 1.5, (176, 160, 136))
    for x, y, rx, ry in ((470, 1010, 60, 40), (540, 1060, 44, 30), (420, 1090, 50, 26)):  # boulders at its foot
        c.ellipse(x, y, rx, ry, (112, 98, 90))
        c.ellipse(x - rx * 0.25, y - ry * 0.3, rx * 0.6, ry * 0.45, (146, 132, 120))


def _lighthouse(c):
    cx, base, top = 690, 560, 190
    half_base, half_top = 52, 34

    def half(y):
        return half_top + (half_base - half_top) * (y - top) / (base - top)

    bands = 6
    for k in range(bands):
        y0 = top + (base - top) * k / bands
        y1 = top + (base - top) * (k + 1) / bands
        colour = (214, 44, 52) if k % 2 == 0 else (250, 248, 242)
        c.polygon([(cx - half(y0), y0), (cx + half(y0), y0), (cx + half(y1), y1), (cx - half(y1), y1)], colour)
    # Shade on the right-hand side of the tower.
    c.polygon([(cx + half_top * 0.45, top), (cx + half_top, top), (cx + half_base, base),
               (cx + half_base * 0.45, base)], (0, 0, 0), 0.12)
    for y in (300, 420):  # windows
        c.rect(cx - 7, y, cx + 7, y + 22, (40, 52, 72))
        c.rect(cx - 7, y, cx + 7, y + 3, (90, 90, 90))
    c.rect(cx - 48, top - 10, cx + 48, top, (44, 44, 52))          # gallery
    for x in range(cx - 46, cx + 48, 10):
        c.rect(x, top - 30, x + 2, top - 10, (44, 44, 52))
    c.rect(cx - 48, top - 32, cx + 48, top - 28, (44, 44, 52))
    c.rect(cx - 28, top - 78, cx + 28, top - 32, (255, 226, 120))  # the lantern
    c.glow(cx, top - 56, 80, (255, 240, 170), 0.5)
    for x in (cx - 28, cx - 10, cx + 8, cx + 26):
        c.rect(x, top - 78, x + 3, top - 32, (60, 60, 68))
    c.polygon([(cx - 36, top - 76), (cx + 36, top - 76), (cx, top - 118)], (190, 36, 44))
    c.rect(cx - 2, top - 134, cx + 2, top - 114, (60, 60, 68))
    c.circle(cx, top - 136, 5, (60, 60, 68))
    # Beams of light to either side.
    c.polygon([(cx - 28, top - 70), (cx - 28, top - 40), (cx - 320, top + 10), (cx - 320, top - 120)],
              (255, 248, 200), 0.28)
    c.polygon([(cx + 28, top - 70), (cx + 28, top - 40), (cx + 210, top - 10), (cx + 210, top - 110)],
              (255, 248, 200), 0.28)
    # The keeper's house and its door.
    hx0, hx1, hy = 760, 880, base - 4
    c.rect(hx0, hy - 70, hx1, hy, (246, 242, 232))
    c.polygon([(hx0 - 10, hy - 68), (hx0 + 30, hy - 110), (hx1 - 30, hy - 110), (hx1 + 10, hy - 68)], (60, 100, 150))
    c.rect(hx0 + 48, hy - 44, hx0 + 72, hy, (120, 72, 40))
    for wx in (hx0 + 14, hx1 - 34):
        c.rect(wx, hy - 52, wx + 20, hy - 30, (150, 200, 236))
        c.rect(wx + 9, hy - 52, wx + 11, hy - 30, (255, 255, 255))
    c.rect(cx - 60, base - 4, cx + 60, base + 8, (120, 120, 126))   # the plinth


def _balloon(c, x, y, r):
    """A hot-air balloon of coloured gores with its basket."""
    colours = [(232, 64, 70), (252, 210, 70), (64, 150, 220), (250, 250, 246), (120, 190, 90)]
    for k in range(10, 0, -1):  # gores, outermost first, narrowing to the middle
        c.ellipse(x, y, r * k / 10, r * 1.15, colours[k % len(colours)])
    c.polygon([(x - r * 0.55, y + r * 0.95), (x + r * 0.55, y + r * 0.95), (x + r * 0.2, y + r * 1.45),
               (x - r * 0.2, y + r * 1.45)], (250, 210, 70))
    for dx in (-0.18, 0.18):
        c.line(x + dx * r, y + r * 1.45, x + dx * r * 0.8, y + r * 1.75, 1.5, (90, 70, 50))
    c.rect(int(x - r * 0.2), int(y + r * 1.75), int(x + r * 0.2), int(y + r * 2.0), (150, 100, 60))


def _gulls(c):
    for x, y, s in ((420, 250, 1.1), (470, 290, 0.8), (380, 310, 0.7), (560, 200, 0.6), (320, 220, 0.5)):
        c.line(x - 16 * s, y - 8 * s, x, y, 3 * s, (250, 250, 250))
        c.line(x, y, x + 16 * s, y - 8 * s, 3 * s, (250, 250, 250))
        c.line(x - 16 * s, y - 8 * s, x - 22 * s, y - 6 * s, 3 * s, (40, 44, 60))
        c.line(x + 16 * s, y - 8 * s, x + 22 * s, y - 6 * s, 3 * s, (40, 44, 60))


def _surf_rocks(c):
    for x, y, r in ((120, 860, 34), (190, 900, 22), (330, 820, 26), (60, 940, 18)):
        c.ellipse(x, y + r * 0.5, r * 1.6, r * 0.35, (236, 250, 250), 0.8)
        c.ellipse(x, y, r * 1.2, r * 0.8, (86, 80, 84))
        c.ellipse(x - r * 0.3, y - r * 0.3, r * 0.6, r * 0.35, (124, 118, 120))


def _beach(c, rng):
    def sand(x, y):
        depth = y - _beach_top(x + 0.5)
        if depth < 10:
            return (248, 252, 246) if depth < 5 else (214, 236, 224)
        return mix((234, 206, 150), (222, 186, 126), min(1.0, depth / 180))

    c.below_curve(_beach_top, None, shade=sand)
    # A towel, a bucket, a parasol, shells and a starfish on the sand.
    c.polygon([(110, 1120), (250, 1096), (266, 1160), (126, 1186)], (40, 110, 190))
    for k in range(4):
        t0, t1 = k / 4 + 0.06, k / 4 + 0.16
        c.polygon([(110 + 140 * t0, 1120 - 24 * t0), (110 + 140 * t1, 1120 - 24 * t1),
                   (126 + 140 * t1, 1186 - 26 * t1), (126 + 140 * t0, 1186 - 26 * t0)], (250, 250, 250))
    c.rect(318, 1020, 322, 1150, (110, 80, 60))
    for k in range(8):
        a0, a1 = math.pi * (1 + k / 8), math.pi * (1 + (k + 1) / 8)
        c.polygon([(320, 1030), (320 + 110 * math.cos(a0), 1030 + 44 * math.sin(a0)),
                   (320 + 110 * math.cos(a1), 1030 + 44 * math.sin(a1))],
                  (232, 64, 70) if k % 2 == 0 else (252, 226, 92))
    c.ellipse(320, 1154, 70, 8, (0, 0, 0), 0.15)
    c.polygon([(360, 1132), (392, 1132), (386, 1168), (366, 1168)], (250, 200, 40))
    c.rect(356, 1128, 396, 1134, (210, 150, 30))
    for _ in range(40):
        x, y = rng.uniform(20, 420), rng.uniform(1060, HEIGHT - 6)
        if y > _beach_top(x) + 20:
            c.ellipse(x, y, rng.uniform(3, 6), rng.uniform(2, 4),
                      ((252, 236, 226), (244, 180, 170), (230, 220, 200))[int(rng.uniform(0, 3))])
    sx, sy = 470, 1150
    for i in range(5):
        a = -math.pi / 2 + 2 * math.pi * i / 5
        c.polygon([(sx + 32 * math.cos(a), sy + 32 * math.sin(a)),
                   (sx + 12 * math.cos(a + 0.63), sy + 12 * math.sin(a + 0.63)),
                   (sx, sy), (sx + 12 * math.cos(a - 0.63), sy + 12 * math.sin(a - 0.63))], (240, 120, 60))
    c.circle(sx, sy, 6, (250, 160, 90))


def _sandcastle(c, x, base):
    sand, dark = (214, 174, 110), (180, 140, 84)
    c.rect(x - 80, base - 50, x + 80, base, sand)
    for tx in (x - 70, x - 10, x + 50):  # battlements
        c.rect(tx, base - 62, tx + 20, base - 50, sand)
    c.rect(x - 30, base - 110, x + 30, base - 50, sand)
    for tx in (x - 30, x - 5, x + 20):
        c.rect(tx, base - 122, tx + 10, base - 110, sand)
    c.ellipse(x, base - 16, 14, 16, dark)
    c.rect(x - 14, base - 16, x + 14, base, dark)
    c.rect(x - 1, base - 160, x + 2, base - 110, (110, 80, 60))
    c.polygon([(x + 2, base - 160), (x + 36, base - 150), (x + 2, base - 140)], (64, 150, 220))
    c.ellipse(x, base + 4, 96, 8, (0, 0, 0), 0.12)
    # A crab on its way to the sea.
    cx, cy = x + 110, base + 40
    for side in (-1, 1):
        for k in range(3):
            c.line(cx + side * 10, cy + k * 5 - 4, cx + side * 28, cy + k * 7 + 2, 3, (214, 70, 50))
        c.circle(cx + side * 24, cy - 16, 7, (230, 84, 60))
    c.ellipse(cx, cy, 20, 13, (230, 84, 60))
    c.circle(cx - 6, cy - 12, 3, (255, 255, 255))
    c.circle(cx + 6, cy - 12, 3, (255, 255, 255))


def draw():
    c = Canvas(WIDTH, HEIGHT)
    rng = _Lcg(4242)
    _sky(c)
    _cloud(c, 520, 110, 0.8)
    _cloud(c, 820, 60, 0.5)
    _cloud(c, 120, 330, 0.45)
    _cloud(c, 380, 470, 0.35)
    _cloud(c, 860, 300, 0.3)
    _balloon(c, 300, 330, 44)
    _sea(c, rng)
    _island(c)
    _boat(c, 250, 700, 0.9, (250, 250, 246), (180, 52, 52), (250, 250, 250))
    _boat(c, 80, 620, 0.45, (250, 214, 80), (40, 70, 130), (250, 250, 250))
    _boat(c, 400, 640, 0.55, (96, 180, 220), (240, 240, 236), (200, 60, 60))
    _gulls(c)
    _headland(c, rng)
    _lighthouse(c)
    _surf_rocks(c)
    _beach(c, rng)
    _sandcastle(c, 700, 1110)
    return c
