# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The about box's logo: a small quilt of 3 x 3 blocks whose last block is
lifted out of place, over the word QUILTO sewn from patches. Drawn on black,
the about box's colour, at twice the size the box shows it."""
from .canvas import Canvas, mix
from .quilt_picture import PATTERNS, _Block

WIDTH, HEIGHT = 460, 458
BLOCK, SASHING = 96, 8
QUILT_LEFT, QUILT_TOP = 62, 14
LIFT = 22                      # how far the last block is lifted, right and down
CELL = 12                      # one patch of a letter

BLACK = (0, 0, 0)
SASH = (44, 66, 98)
GOLD = (232, 182, 58)
HOLE_A, HOLE_B = (150, 150, 150), (96, 96, 96)
SHADOW = (58, 58, 58)

# Fabrics of the blocks: background, then three colours.
BLOCK_FABRICS = [
    ((251, 243, 224), (204, 52, 62), (238, 150, 38), (42, 62, 124)),
    ((214, 231, 246), (28, 138, 150), (92, 164, 220), (225, 184, 52)),
    ((252, 234, 186), (118, 58, 132), (228, 124, 168), (92, 152, 104)),
    ((222, 239, 210), (36, 108, 80), (142, 186, 72), (204, 52, 62)),
    ((251, 222, 226), (204, 52, 62), (150, 132, 208), (238, 150, 38)),
    ((236, 226, 246), (42, 62, 124), (92, 164, 220), (225, 184, 52)),
    ((244, 244, 238), (240, 122, 88), (122, 72, 48), (28, 138, 150)),
    ((214, 231, 246), (142, 186, 72), (36, 108, 80), (228, 124, 168)),
    ((252, 234, 186), (42, 62, 124), (225, 184, 52), (204, 52, 62)),
]
BLOCK_PATTERNS = [4, 0, 6, 3, 11, 9, 7, 2, 12]  # indices into PATTERNS

LETTERS = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
}
LETTER_COLOURS = [(204, 52, 62), (238, 150, 38), (225, 184, 52), (142, 186, 72),
                  (28, 138, 150), (92, 164, 220), (150, 132, 208), (228, 124, 168)]


def _block(canvas, index, x, y):
    bg, a, c, d = BLOCK_FABRICS[index]
    canvas.rect(x, y, x + BLOCK, y + BLOCK, bg)
    PATTERNS[BLOCK_PATTERNS[index]](_Block(canvas, x, y, BLOCK), bg, a, c, d)


def _quilt(canvas):
    size = 3 * BLOCK + 4 * SASHING
    canvas.rect(QUILT_LEFT, QUILT_TOP, QUILT_LEFT + size, QUILT_TOP + size, SASH)
    for j in range(4):
        for i in range(4):
            x, y = QUILT_LEFT + i * (BLOCK + SASHING), QUILT_TOP + j * (BLOCK + SASHING)
            canvas.rect(x, y, x + SASHING, y + SASHING, GOLD)
    for j in range(3):
        for i in range(3):
            x = QUILT_LEFT + SASHING + i * (BLOCK + SASHING)
            y = QUILT_TOP + SASHING + j * (BLOCK + SASHING)
            if (i, j) == (2, 2):
                # The empty place, hatched; its block floats above it.
                for yy in range(y, y + BLOCK):
                    for xx in range(x, x + BLOCK):
                        colour = HOLE_A if (xx + yy) // 8 % 2 == 0 else HOLE_B
                        canvas.pixels[(yy * WIDTH + xx) * 3:(yy * WIDTH + xx) * 3 + 3] = bytes(colour)
                continue
            _block(canvas, j * 3 + i, x, y)
    x = QUILT_LEFT + SASHING + 2 * (BLOCK + SASHING) + LIFT
    y = QUILT_TOP + SASHING + 2 * (BLOCK + SASHING) + LIFT
    canvas.rect(x + 8, y + 8, x + BLOCK + 8, y + BLOCK + 8, SHADOW)
    canvas.rect(x - 4, y - 4, x + BLOCK + 4, y + BLOCK + 4, GOLD)
    _block(canvas, 8, x, y)


def _word(canvas, word, top):
    width = len(word) * 5 * CELL + (len(word) - 1) * CELL
    left = (WIDTH - width) // 2
    k = 0
    for n, letter in enumerate(word):
        for row, line in enumerate(LETTERS[letter]):
            for col, mark in enumerate(line):
                if mark != "#":
                    continue
                x = left + (n * 6 + col) * CELL
                y = top + row * CELL
                colour = LETTER_COLOURS[k % len(LETTER_COLOURS)]
                k += 1
                canvas.rect(x + 1, y + 1, x + CELL - 1, y + CELL - 1, colour)
                # Half of every patch in a lighter print of the same fabric.
                canvas.polygon([(x + 1, y + 1), (x + CELL - 1, y + 1), (x + 1, y + CELL - 1)],
                               mix(colour, (255, 255, 255), 0.35))


def draw():
    canvas = Canvas(WIDTH, HEIGHT, BLACK)
    _quilt(canvas)
    _word(canvas, "QUILTO", HEIGHT - 7 * CELL - 6)
    return canvas
