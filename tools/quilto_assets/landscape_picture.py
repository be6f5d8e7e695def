# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sample picture "Paisaje": a farm in the hills at the end of the day.
Sky, sun, clouds, mountains, a patchwork of fields, a lake, a house with a
path, trees, a fence and a meadow of flowers: plenty of shapes to tell the
pieces apart."""
import math

from .canvas import Canvas, mix

WIDTH, HEIGHT = 1200, 900


class _Lcg:
    def __init__(self, seed):
        self.state = seed

    def uniform(self, lo, hi):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return lo + (hi - lo) * (self.state >> 7) / (1 << 24)


def _ridge_far(x):
    return (400 + 38 * math.sin(x / 97) + 24 * math.sin(x / 41 + 1) + 12 * math.sin(x / 23 + 2)
            - 90 * math.exp(-((x - 300) / 150) ** 2) - 50 * math.exp(-((x - 1000) / 120) ** 2))


def _ridge_near(x):
    return 480 + 22 * math.sin(x / 70 + 0.7) + 14 * math.sin(x / 29) - 30 * math.exp(-((x - 620) / 140) ** 2)


def _fields_top(x):
    return 545 + 22 * math.sin(x / 150) + 10 * math.sin(x / 61 + 0.5)


def _meadow_top(x):
    return 660 + 28 * math.sin(x / 180 + 2) - 50 * math.exp(-((x - 720) / 200) ** 2)


def _sky(c):
    c.vertical_gradient(0, 600, [(0.0, (52, 104, 184)), (0.5, (118, 172, 226)),
                                 (0.82, (246, 212, 176)), (1.0, (252, 186, 134))])
    c.glow(880, 210, 270, (255, 238, 196), 0.6)
    c.circle(880, 210, 60, (255, 226, 118))
    c.circle(880, 210, 50, (255, 240, 172))


def _cloud(c, cx, cy, s):
    c.ellipse(cx, cy + 16 * s, 110 * s, 26 * s, (214, 220, 236))
    for dx, dy, r in ((-70, 4, 34), (-30, -18, 46), (20, -28, 52), (66, -6, 40), (96, 10, 28)):
        c.circle(cx + dx * s, cy + dy * s, r * s, (250, 250, 252))
    c.ellipse(cx, cy + 12 * s, 104 * s, 20 * s, (250, 250, 252))


def _birds(c):
    for x, y, s in ((600, 230, 1.0), (640, 250, 0.8), (575, 262, 0.7), (690, 215, 0.6)):
        c.line(x - 14 * s, y - 6 * s, x, y, 3 * s, (40, 44, 60))
        c.line(x, y, x + 14 * s, y - 6 * s, 3 * s, (40, 44, 60))


def _mountains(c):
    def far(x, y):
        return (244, 246, 252) if y < 350 + 8 * math.sin(x / 13) else mix((130, 140, 192), (190, 190, 220), min(1, (y - 340) / 260))

    c.below_curve(_ridge_far, None, bottom=620, shade=far)
    c.below_curve(_ridge_near, (88, 124, 142), bottom=640,
                  shade=lambda x, y: mix((80, 116, 136), (126, 156, 150), min(1, (y - 450) / 140)))


def _fields(c):
    colours = [(222, 200, 108), (132, 182, 82), (172, 206, 112), (176, 134, 84), (200, 214, 96)]
    hedge = (62, 112, 56)

    def shade(x, y):
        depth = max(0.0, y - _fields_top(x + 0.5))
        band = math.sqrt(depth) * 0.95
        row = int(band)
        if band - row < 0.07 and row > 0:
            return hedge
        column_pos = (x + (y - 540) * (0.9 if x < 600 else -0.9)) / (150 + 40 * row)
        column = int(math.floor(column_pos))
        if column_pos - column < 0.04:
            return hedge
        colour = colours[(row * 3 + column * 2) % len(colours)]
        if (colour == colours[3]) and (y % 4 < 1):  # furrows of the ploughed fields
            return mix(colour, (110, 80, 50), 0.5)
        return colour

    c.below_curve(_fields_top, None, bottom=760, shade=shade)


def _meadow(c):
    def shade(x, y):
        depth = y - _meadow_top(x + 0.5)
        stripe = int((x + depth * 0.6) / 60) % 2
        base = mix((108, 178, 76), (52, 122, 46), min(1.0, depth / 260))
        return mix(base, (140, 196, 90), 0.18) if stripe else base

    c.below_curve(_meadow_top, None, shade=shade)


def _lake(c):
    c.ellipse(240, 735, 200, 42, (196, 184, 136))
    c.ellipse(240, 735, 188, 36, (74, 136, 190))
    c.ellipse(240, 728, 150, 22, (104, 164, 210))
    for dx, dy, w in ((-90, -8, 60), (20, -2, 90), (-30, 12, 70), (90, 8, 40)):
        c.line(240 + dx, 735 + dy, 240 + dx + w, 735 + dy, 2.5, (212, 232, 246))


def _path(c, door_x, door_y):
    points = []
    for k in range(21):
        t = k / 20
        y = door_y + (HEIGHT + 10 - door_y) * t
        x = door_x - 90 * math.sin(t * 2.6) + 60 * t
        half = 12 + 70 * t * t
        points.append((x, y, half))
    for edge, colour in ((6, (176, 150, 100)), (0, (222, 198, 148))):
        for (xa, ya, ha), (xb, yb, hb) in zip(points, points[1:]):
            c.polygon([(xa - ha - edge, ya), (xa + ha + edge, ya), (xb + hb + edge, yb + 1),
                       (xb - hb - edge, yb + 1)], colour)


def _house(c):
    x0, x1 = 620, 800
    base = int(_meadow_top(710)) + 14
    top = base - 112
    apex = (710, base - 196)
    wall, side, roof, roof_dark = (244, 230, 202), (206, 186, 156), (184, 66, 50), (140, 46, 36)
    glass, frame = (172, 212, 242), (250, 250, 250)

    c.polygon([(x1, base), (x1 + 64, base - 14), (x1 + 64, top - 12), (x1, top)], side)
    c.polygon([(apex[0], apex[1]), (apex[0] + 64, apex[1] - 12), (x1 + 84, top - 16), (x1 + 12, top + 4)], roof_dark)
    c.rect(x0, top, x1, base, wall)
    c.polygon([(x0 - 14, top + 4), apex, (x1 + 14, top + 4)], roof)
    for k in range(1, 7):  # rows of tiles
        y = apex[1] + k * (top + 4 - apex[1]) / 7
        half = (x1 + 14 - apex[0]) * (y - apex[1]) / (top + 4 - apex[1])
        c.line(apex[0] - half, y, apex[0] + half, y, 2, roof_dark)
    c.rect(832, base - 236, 852, base - 178, (150, 72, 56))
    c.rect(828, base - 242, 856, base - 234, (110, 52, 42))
    for k, (dx, r) in enumerate(((0, 10), (-12, 14), (-30, 18), (-54, 22))):
        c.circle(842 + dx, base - 258 - k * 26, r, (236, 236, 240), 0.55)
    c.circle(710, base - 148, 15, frame)
    c.circle(710, base - 148, 11, glass)
    for wx in (636, 746):
        c.rect(wx - 4, base - 96, wx + 42, base - 50, frame)
        c.rect(wx, base - 92, wx + 38, base - 54, glass)
        c.rect(wx + 17, base - 92, wx + 21, base - 54, frame)
        c.rect(wx, base - 75, wx + 38, base - 71, frame)
        c.rect(wx - 8, base - 50, wx + 46, base - 44, (122, 84, 52))
        for fx in range(wx - 4, wx + 44, 9):
            c.circle(fx, base - 52, 4, (226, 64, 86) if fx % 2 else (250, 208, 64))
    c.polygon([(x1 + 18, base - 86), (x1 + 44, base - 92), (x1 + 44, base - 56), (x1 + 18, base - 50)], glass)
    c.rect(690, base - 66, 730, base, (120, 72, 40))
    c.rect(694, base - 62, 726, base - 36, (140, 88, 52))
    c.circle(722, base - 30, 3, (240, 200, 80))
    return 710, base


def _round_tree(c, x, ground, s):
    c.rect(int(x - 7 * s), int(ground - 60 * s), int(x + 7 * s), int(ground), (110, 74, 44))
    for dx, dy, r, colour in ((-26, -70, 30, (40, 112, 52)), (24, -74, 30, (40, 112, 52)),
                              (0, -100, 36, (56, 136, 60)), (-14, -84, 26, (72, 154, 70)),
                              (-12, -112, 14, (120, 190, 96))):
        c.circle(x + dx * s, ground + dy * s, r * s, colour)


def _pine(c, x, ground, s):
    c.rect(int(x - 5 * s), int(ground - 22 * s), int(x + 5 * s), int(ground), (96, 64, 40))
    for k, colour in enumerate(((28, 88, 60), (34, 100, 66), (42, 114, 74))):
        y = ground - 18 * s - k * 34 * s
        c.polygon([(x - (42 - 8 * k) * s, y), (x + (42 - 8 * k) * s, y), (x, y - 64 * s)], colour)


def _fence(c):
    wood, dark = (156, 116, 74), (112, 80, 50)
    for y in (806, 828):
        c.polygon([(20, y), (470, y - 44), (470, y - 38), (20, y + 6)], wood)
    for k in range(10):
        x = 30 + k * 48
        y = 846 - k * 4.8
        c.rect(int(x - 5), int(y - 56), int(x + 5), int(y), wood)
        c.rect(int(x + 3), int(y - 56), int(x + 5), int(y), dark)
        c.polygon([(x - 5, y - 56), (x + 5, y - 56), (x, y - 64)], wood)


def _in_lake(x, y):
    return ((x - 240) / 210) ** 2 + ((y - 735) / 52) ** 2 < 1


def _meadow_details(c, rng, path_left, path_right):
    def bare(x, y):
        return _in_lake(x, y) or path_left(y) - 10 < x < path_right(y) + 10

    for _ in range(260):
        x, y = rng.uniform(0, WIDTH), rng.uniform(770, HEIGHT)
        if bare(x, y):
            continue
        green = (46, 112, 44) if rng.uniform(0, 1) < 0.5 else (84, 156, 62)
        for lean in (-5, 0, 5):
            c.line(x, y, x + lean, y - rng.uniform(8, 16), 1.6, green)
    petals = [(226, 52, 64), (250, 212, 64), (252, 252, 252), (162, 92, 206), (244, 132, 176)]
    for _ in range(340):
        x, y = rng.uniform(0, WIDTH), rng.uniform(720, HEIGHT)
        if bare(x, y):
            continue
        r = 2 + 3.5 * (y - 700) / 200
        c.circle(x, y, r, petals[int(rng.uniform(0, len(petals)))])
        c.circle(x, y, r * 0.4, (248, 190, 40) if r > 3 else (120, 80, 30))


def draw():
    c = Canvas(WIDTH, HEIGHT)
    rng = _Lcg(777)
    _sky(c)
    _cloud(c, 230, 150, 1.0)
    _cloud(c, 560, 84, 0.7)
    _cloud(c, 1080, 110, 0.6)
    _birds(c)
    _mountains(c)
    _fields(c)
    for x in (90, 180, 470, 1010, 1140):
        _round_tree(c, x, _fields_top(x) + 6, 0.35)
    _meadow(c)
    _lake(c)
    door_x, door_y = _house(c)
    _path(c, door_x, door_y)
    for x, s in ((560, 0.9), (920, 1.0), (1100, 1.3)):
        _round_tree(c, x, _meadow_top(x) + 20 * s, s)
    for x, s in ((430, 0.8), (470, 1.0), (1000, 0.9)):
        _pine(c, x, _meadow_top(x) + 16 * s, s)
    _fence(c)

    def path_x(y, side):
        t = max(0.0, min(1.0, (y - door_y) / (HEIGHT + 10 - door_y)))
        return door_x - 90 * math.sin(t * 2.6) + 60 * t + side * (12 + 70 * t * t)

    _meadow_details(c, rng, lambda y: path_x(y, -1), lambda y: path_x(y, 1))
    return c
