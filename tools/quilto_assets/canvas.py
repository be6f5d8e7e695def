# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""A small RGB canvas with the few drawing operations the sample pictures use.

Shapes are filled with their edges smoothed: every pixel row is sampled on
four sub-rows, and pixels that a shape only partly covers are blended by the
covered fraction. Inner runs are filled by slice assignment, which keeps a
full-size picture quick to draw in plain Python.
"""
import math

_SUB_ROWS = (0.125, 0.375, 0.625, 0.875)


def mix(a, b, t):
    """Colour a moved toward colour b by t (0..1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = bytearray(bytes(colour) * (width * height))

    # -- single pixels and runs -------------------------------------------------

    def get(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        i = (y * self.width + x) * 3
        p = self.pixels
        if alpha >= 1:
            p[i:i + 3] = bytes(colour)
            return
        for k in range(3):
            p[i + k] = int(p[i + k] + (colour[k] - p[i + k]) * alpha + 0.5)

    def run(self, y, x0, x1, colour):
        """Fills pixels x0..x1-1 of row y."""
        if not 0 <= y < self.height:
            return
        x0, x1 = max(0, x0), min(self.width, x1)
        if x1 > x0:
            i = (y * self.width + x0) * 3
            self.pixels[i:i + 3 * (x1 - x0)] = bytes(colour) * (x1 - x0)

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            self.run(y, x0, x1, colour)

    # -- smooth-edged shapes ----------------------------------------------------

    def fill_spans(self, y0, y1, span_at, colour, alpha=1.0):
        """Fills a shape given, for any height y, its one span (xa, xb) or None."""
        for y in range(max(0, int(math.floor(y0))), min(self.height, int(math.ceil(y1)))):
            spans = [span_at(y + s) for s in _SUB_ROWS]
            spans = [s for s in spans if s is not None and s[1] > s[0]]
            if not spans:
                continue
            left = int(math.floor(min(s[0] for s in spans)))
            right = int(math.ceil(max(s[1] for s in spans)))
            if len(spans) == len(_SUB_ROWS):
                full0 = int(math.ceil(max(s[0] for s in spans)))
                full1 = int(math.floor(min(s[1] for s in spans)))
            else:
                full0 = full1 = right
            if full1 > full0 and alpha >= 1:
                self.run(y, full0, full1, colour)
            else:
                full0 = full1 = right
            for x in list(range(left, full0)) + list(range(full1, right)):
                cover = sum(max(0.0, min(b, x + 1) - max(a, x)) for a, b in spans)
                self.blend(x, y, colour, alpha * cover / len(_SUB_ROWS))

    def polygon(self, points, colour, alpha=1.0):
        """A convex polygon, corners in order."""
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))

        def span_at(y):
            xs = []
            for (xa, ya), (xb, yb) in edges:
                if (ya <= y < yb) or (yb <= y < ya):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            return (min(xs), max(xs)) if len(xs) >= 2 else None

        self.fill_spans(min(ys), max(ys), span_at, colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        def span_at(y):
            d = 1.0 - ((y - cy) / ry) ** 2
            if d <= 0:
                return None
            half = rx * math.sqrt(d)
            return (cx - half, cx + half)

        self.fill_spans(cy - ry, cy + ry, span_at, colour, alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.ellipse(cx, cy, r, r, colour, alpha)

    def line(self, x0, y0, x1, y1, width, colour, alpha=1.0):
        """A straight stroke with square ends."""
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour, alpha)

    def below_curve(self, top_at, colour, bottom=None, shade=None):
        """Fills every column from the curve y = top_at(x) down to bottom.
        shade(x, y) may return a colour per pixel row band instead of colour."""
        bottom = self.height if bottom is None else bottom
        for x in range(self.width):
            top = top_at(x + 0.5)
            first = int(math.floor(top))
            if first >= bottom:
                continue
            if first >= 0:
                c = shade(x, first) if shade else colour
                self.blend(x, first, c, first + 1 - top)
            for y in range(max(0, first + 1), min(self.height, bottom)):
                c = shade(x, y) if shade else colour
                i = (y * self.width + x) * 3
                self.pixels[i:i + 3] = bytes(c)

    # -- gradients and glows ----------------------------------------------------

    def vertical_gradient(self, y0, y1, stops):
        """stops: [(fraction, colour), ...] from y0 (0.0) to y1 (1.0)."""
        for y in range(max(0, y0), min(self.height, y1)):
            t = (y - y0) / max(1, y1 - y0 - 1)
            for (ta, ca), (tb, cb) in zip(stops, stops[1:]):
                if ta <= t <= tb:
                    self.run(y, 0, self.width, mix(ca, cb, (t - ta) / ((tb - ta) or 1)))
                    break

    def glow(self, cx, cy, radius, colour, strength):
        """A soft round glow that fades out toward radius."""
        for y in range(max(0, int(cy - radius)), min(self.height, int(cy + radius) + 1)):
            for x in range(max(0, int(cx - radius)), min(self.width, int(cx + radius) + 1)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) / radius
                if d < 1:
                    self.blend(x, y, colour, strength * (1 - d) ** 2)
