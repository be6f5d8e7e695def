# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sample picture "Arrecife", upright: a coral reef under sunlit water,
with fish of many colours, a turtle, branching and brain corals, sea fans,
swaying weed, a starfish, shells and bubbles. Every part of it looks
different, so a tall puzzle of it can be solved."""
import math

from .canvas import Canvas, mix
from .landscape_picture import _Lcg

WIDTH, HEIGHT = 900, 1200


def _sand_top(x):
    return 960 + 40 * math.sin(x / 140 + 1) + 18 * math.sin(x / 47)


def _water(c):
    c.vertical_gradient(0, HEIGHT, [(0.0, (120, 222, 236)), (0.12, (56, 188, 220)),
                                    (0.55, (22, 120, 184)), (1.0, (14, 60, 120))])
    # Ripples of the surface, seen from below.
    for k in range(9):
        y = 14 + k * 9
        for x in range(-20, WIDTH, 60):
            c.ellipse(x + 30 * (k % 2) + 20 * math.sin(k), y, 26, 3, (200, 244, 248), 0.5)
    # Shafts of sunlight.
    for x0, w, lean in ((80, 70, 160), (300, 50, 190), (520, 90, 220), (760, 60, 260)):
        c.polygon([(x0, 0), (x0 + w, 0), (x0 + w + lean + 80, 900), (x0 + lean, 900)], (220, 250, 255), 0.12)


def _sand(c, rng):
    def shade(x, y):
        depth = y - _sand_top(x + 0.5)
        ripple = math.sin((x * 0.25 + y * 1.3 + 12 * math.sin(x / 37)) / 3.2)
        base = mix((234, 214, 160), (200, 176, 124), min(1.0, depth / 240))
        return mix(base, (250, 236, 196), 0.35) if ripple > 0.75 else base

    c.below_curve(_sand_top, None, shade=shade)
    for _ in range(70):
        x = rng.uniform(0, WIDTH)
        y = rng.uniform(_sand_top(x) + 20, HEIGHT - 4)
        c.ellipse(x, y, rng.uniform(2, 5), rng.uniform(1.5, 3), (176, 152, 110))


def _rocks(c):
    for x, y, rx, ry, colour in ((140, 940, 170, 90, (92, 84, 110)), (720, 930, 200, 100, (84, 92, 116)),
                                 (430, 990, 120, 60, (104, 96, 120))):
        c.ellipse(x, y, rx, ry, colour)
        c.ellipse(x - rx * 0.2, y - ry * 0.35, rx * 0.7, ry * 0.45, mix(colour, (255, 255, 255), 0.15))


def _branch(c, x, y, angle, length, width, colour, depth):
    x1, y1 = x + length * math.cos(angle), y - length * math.sin(angle)
    c.line(x, y, x1, y1, width, colour)
    c.circle(x1, y1, width / 2, colour)
    if depth == 0:
        c.circle(x1, y1, width * 0.7, mix(colour, (255, 255, 255), 0.4))
        return
    for turn in (-0.45, 0.4):
        _branch(c, x1, y1, angle + turn, length * 0.72, width * 0.75, colour, depth - 1)


def _brain_coral(c, x, y, rx, ry, colour):
    c.ellipse(x, y, rx, ry, mix(colour, (0, 0, 0), 0.25))
    for k in range(6, 0, -1):
        c.ellipse(x, y - (6 - k) * ry * 0.04, rx * k / 6.3, ry * k / 6.3,
                  colour if k % 2 else mix(colour, (255, 255, 255), 0.3))


def _sea_fan(c, x, y, size, colour):
    for k in range(15):
        a = math.pi * (0.12 + 0.76 * k / 14)
        length = size * (0.75 + 0.25 * math.sin(k * 1.7))
        c.line(x, y, x + length * math.cos(a), y - length * math.sin(a), 3, colour)
    for r in (0.4, 0.65, 0.9):
        for k in range(14):
            a0, a1 = math.pi * (0.12 + 0.76 * k / 14), math.pi * (0.12 + 0.76 * (k + 1) / 14)
            c.line(x + size * r * math.cos(a0), y - size * r * math.sin(a0),
                   x + size * r * math.cos(a1), y - size * r * math.sin(a1), 2, colour)


def _weed(c, x, y, height, colour, phase):
    points = []
    for k in range(13):
        t = k / 12
        points.append((x + 18 * math.sin(t * 5 + phase) * t, y - height * t))
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        w = 12 * (1 - 0.6 * (ya - y) / -height)
        c.line(xa, ya, xb, yb, w, colour)


def _anemone(c, x, y, colour, tip):
    c.ellipse(x, y, 30, 14, mix(colour, (0, 0, 0), 0.3))
    for k in range(11):
        a = math.pi * (0.1 + 0.8 * k / 10)
        x1, y1 = x + 46 * math.cos(a), y - 10 - 44 * math.sin(a)
        c.line(x, y - 6, x1, y1, 6, colour)
        c.circle(x1, y1, 5, tip)


def _fish(c, x, y, s, body, fin, stripes=None, facing=1):
    f = facing
    c.polygon([(x - f * 40 * s, y), (x - f * 66 * s, y - 22 * s), (x - f * 60 * s, y), (x - f * 66 * s, y + 22 * s)], fin)
    c.polygon([(x - f * 10 * s, y - 22 * s), (x + f * 8 * s, y - 40 * s), (x + f * 20 * s, y - 20 * s)], fin)
    c.ellipse(x, y, 46 * s, 26 * s, body)
    if stripes:
        for dx in (-18, 8):
            c.ellipse(x + f * dx * s, y, 5 * s, 24 * s * math.sqrt(max(0.0, 1 - (dx / 46) ** 2)), stripes)
    c.ellipse(x + f * 6 * s, y + 10 * s, 30 * s, 9 * s, mix(body, (255, 255, 255), 0.3))
    c.circle(x + f * 28 * s, y - 6 * s, 6 * s, (255, 255, 255))
    c.circle(x + f * 30 * s, y - 6 * s, 3.2 * s, (20, 20, 30))
    c.line(x + f * 38 * s, y + 8 * s, x + f * 44 * s, y + 6 * s, 2 * s, mix(body, (0, 0, 0), 0.4))


def _angelfish(c, x, y, s, body, stripes):
    c.polygon([(x, y - 70 * s), (x + 30 * s, y), (x, y + 70 * s), (x - 30 * s, y)], body)
    c.polygon([(x - 24 * s, y), (x - 52 * s, y - 20 * s), (x - 52 * s, y + 20 * s)], body)
    for dx in (-14, 2, 16):
        c.line(x + dx * s, y - 56 * s + abs(dx) * 1.6 * s, x + dx * s, y + 56 * s - abs(dx) * 1.6 * s, 5 * s, stripes)
    c.circle(x + 18 * s, y - 6 * s, 5 * s, (255, 255, 255))
    c.circle(x + 19 * s, y - 6 * s, 2.6 * s, (20, 20, 30))


def _turtle(c, x, y):
    skin, shell, plate = (132, 170, 96), (104, 84, 52), (150, 124, 72)
    for dx, dy, a in ((-60, -40, 2.4), (50, -46, 0.7), (-58, 40, 3.8), (48, 42, 5.6)):
        c.ellipse(x + dx, y + dy, 34 if dy < 0 else 22, 14, skin)
    c.ellipse(x + 92, y - 4, 26, 20, skin)
    c.circle(x + 104, y - 10, 4, (20, 20, 30))
    c.ellipse(x, y, 84, 62, shell)
    for dx, dy in ((0, 0), (-40, -20), (40, -20), (-40, 22), (40, 22), (0, -40), (0, 40)):
        c.ellipse(x + dx, y + dy, 22, 16, plate)


def _school(c, rng):
    for _ in range(26):
        x, y = rng.uniform(470, 860), rng.uniform(150, 330)
        c.ellipse(x, y, 12, 5, (230, 236, 250))
        c.polygon([(x - 10, y), (x - 18, y - 5), (x - 18, y + 5)], (200, 210, 236))
        c.circle(x + 7, y - 1, 1.6, (20, 20, 30))


def _bubbles(c, rng):
    for _ in range(40):
        x, y, r = rng.uniform(0, WIDTH), rng.uniform(40, 860), rng.uniform(3, 10)
        c.circle(x, y, r, (230, 250, 255), 0.55)
        c.circle(x - r * 0.3, y - r * 0.3, r * 0.3, (255, 255, 255), 0.9)


def _starfish(c, x, y, r, colour):
    for i in range(5):
        a = -math.pi / 2 + 2 * math.pi * i / 5
        c.polygon([(x + r * math.cos(a), y + r * math.sin(a)),
                   (x + r * 0.38 * math.cos(a + 0.63), y + r * 0.38 * math.sin(a + 0.63)),
                   (x, y), (x + r * 0.38 * math.cos(a - 0.63), y + r * 0.38 * math.sin(a - 0.63))], colour)
    c.circle(x, y, r * 0.2, mix(colour, (255, 255, 255), 0.3))


def _shell(c, x, y, colour):
    for k in range(7):
        a = math.pi * (0.1 + 0.8 * k / 6)
        c.line(x, y, x + 20 * math.cos(a), y - 20 * math.sin(a), 7, mix(colour, (255, 255, 255), 0.2 * (k % 2)))
    c.ellipse(x, y, 8, 5, mix(colour, (0, 0, 0), 0.2))


def draw():
    c = Canvas(WIDTH, HEIGHT)
    rng = _Lcg(9001)
    _water(c)
    _school(c, rng)
    _turtle(c, 230, 250)
    _rocks(c)
    _sand(c, rng)
    for x, phase, colour in ((40, 0.0, (52, 140, 70)), (70, 1.2, (84, 170, 80)), (860, 2.0, (52, 140, 70)),
                             (600, 0.6, (104, 176, 64))):
        _weed(c, x, _sand_top(x) + 30, 330 if x < 100 else 260, colour, phase)
    _sea_fan(c, 720, 880, 190, (168, 64, 150))
    _branch(c, 170, 900, math.pi / 2, 90, 22, (244, 120, 96), 4)
    _branch(c, 330, 940, math.pi / 2 + 0.2, 70, 18, (250, 196, 64), 4)
    _brain_coral(c, 470, 960, 90, 56, (220, 150, 190))
    _brain_coral(c, 880, 990, 70, 44, (150, 196, 110))
    _anemone(c, 580, 1010, (246, 128, 64), (255, 220, 140))
    _anemone(c, 60, 1040, (150, 110, 220), (230, 210, 255))
    _branch(c, 800, 1060, math.pi / 2 - 0.15, 60, 16, (96, 200, 220), 3)
    _fish(c, 600, 520, 1.2, (250, 130, 30), (250, 250, 250), (255, 255, 255), 1)
    _fish(c, 260, 620, 0.9, (250, 214, 40), (60, 110, 220), None, -1)
    _fish(c, 720, 680, 0.8, (72, 96, 220), (250, 214, 40), (250, 214, 40), -1)
    _fish(c, 380, 760, 0.7, (230, 60, 96), (250, 160, 190), None, 1)
    _fish(c, 140, 470, 0.6, (60, 200, 150), (30, 120, 110), (240, 250, 240), 1)
    _angelfish(c, 470, 400, 1.0, (250, 226, 80), (30, 30, 44))
    _angelfish(c, 800, 470, 0.7, (160, 200, 250), (40, 60, 140))
    _bubbles(c, rng)
    _starfish(c, 360, 1120, 44, (236, 70, 60))
    _starfish(c, 760, 1150, 30, (250, 170, 40))
    _shell(c, 200, 1160, (250, 200, 190))
    _shell(c, 560, 1170, (240, 230, 210))
    return c
