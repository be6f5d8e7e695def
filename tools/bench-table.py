#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs every benchmark and writes the figures into the README's table.

Usage: tools/bench-table.py [build dir]   (default: build)

The benchmarks are switched on (QUILTO_BENCH) and built in that tree
(RelWithDebInfo unless it was set up otherwise), run three times each, and the medians go between the markers
<!-- bench:begin --> and <!-- bench:end --> of README.md. Benchmarks the
table below does not know get a row of their own.
"""
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BEGIN, END = "<!-- bench:begin -->", "<!-- bench:end -->"


def run(build):
    configure = ["cmake", "-S", ROOT, "-B", build, "-DQUILTO_BENCH=ON"]
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        configure += ["-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
    subprocess.run(configure, check=True, cwd=ROOT, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "--target", "quilto_bench"], check=True, cwd=ROOT)
    out = subprocess.run(
        [os.path.join(build, "bench", "quilto_bench"), "--benchmark_format=json",
         "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
        check=True, cwd=ROOT, capture_output=True, text=True, env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
    medians = {}
    for b in json.loads(out.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = b
    return medians


def fmt(value, unit):
    """A time in the given unit, shown in the unit that suits it."""
    ns = value * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[unit]
    for scale, name in ((1e6, "ms"), (1e3, "µs")):
        if ns >= scale:
            return f"{ns / scale:.3g} {name}"
    return f"{ns:.3g} ns"


class Table:
    def __init__(self, medians):
        self.medians = medians
        self.used = set()
        self.rows = []

    def find(self, pattern):
        hits = [(name, b) for name, b in self.medians.items() if re.fullmatch(pattern, name)]
        self.used.update(name for name, _ in hits)
        return hits

    def time(self, what, pattern, target):
        hits = self.find(pattern)
        if hits:
            name, b = hits[0]
            self.rows.append((what, fmt(b["real_time"], b["time_unit"]), target))

    def times(self, what, pattern, target, key=lambda name: name):
        hits = sorted(self.find(pattern), key=lambda h: key(h[0]))
        if hits:
            self.rows.append((what, " / ".join(fmt(b["real_time"], b["time_unit"]) for _, b in hits), target))

    def counter(self, what, pattern, counter, shown, target):
        hits = self.find(pattern)
        values = [b[counter] for _, b in hits if counter in b]
        if values:
            self.rows.append((what, shown(values), target))

    def rest(self):
        for name in sorted(set(self.medians) - self.used):
            b = self.medians[name]
            self.rows.append((f"`{name}`", fmt(b["real_time"], b["time_unit"]), "—"))

    def markdown(self):
        lines = ["| What | Measured | Target |", "|---|---|---|"]
        lines += [f"| {a} | {b} | {c} |" for a, b, c in self.rows]
        return "\n".join(lines)


def side(name):
    m = re.search(r"/(\d+)", name)
    return int(m.group(1)) if m else 0


def build_table(medians):
    t = Table(medians)
    layout = sorted(t.find(r"BM_Layout/\d+/.*"), key=lambda h: side(h[0]))
    if layout:
        med = [b["median_us"] for _, b in layout]
        t.rows.append(("Irregular layout, median, every side 3…65",
                       f"{med[0]:.2g} µs (N = {side(layout[0][0])}) … {med[-1]:.3g} µs (N = {side(layout[-1][0])})",
                       "< 1 ms"))
        slow = [b["slowest_us"] for name, b in layout if 7 <= side(name) <= 13]
        if slow:
            t.rows.append(("Irregular layout, slowest of 1000 runs, N = 7…13", f"≤ {max(slow):.3g} µs", "< 20 ms"))
    t.time("Irregular sliding shuffle, 65 units", r"BM_ShuffleIrregularSlide65.*", "< 10 ms")
    t.time("Neighbour table of a 65-unit irregular board", r"BM_NeighbourTable65.*", "—")
    t.time("Regular sliding shuffle, 65 × 65", r"BM_ShuffleRegularSlide65x65.*", "< 20 ms")
    t.time("Free shuffle, 65 × 65", r"BM_ShuffleFree65x65.*", "< 1 ms")
    loads = sorted(t.find(r"BM_LoadPhoto(Whole|ForBoard)/.*"), key=lambda h: "ForBoard" in h[0])
    if len(loads) == 2:
        (_, whole), (_, kept) = loads
        t.rows.append((f"24-megapixel photo ({kept['file_MiB']:.1f} MiB JPEG) decoded: every pixel, as before / "
                       "kept for the board of a 1600 × 1000 screen",
                       f"{fmt(whole['real_time'], whole['time_unit'])} / {fmt(kept['real_time'], kept['time_unit'])}",
                       "—"))
        t.rows.append(("The photo's pixels held in memory: every pixel / kept for the board",
                       f"{whole['kept_MiB']:.1f} MiB / {kept['kept_MiB']:.2f} MiB", "< 12 MiB"))
    t.times("The photo chosen in the file dialog to the configuration dialog painted, real windows of a program "
            "just started on a 1600 × 1000 screen: every pixel kept, as before / kept for the board",
            r"BM_ChosenPhotoToConfiguration/\d+/.*", "< 80 ms", key=side)
    wait = ["BM_ReturnToBoard65Sliding/", "BM_ReturnToBoard65Free/", "BM_ReturnToBoard65IrregularSliding/",
            "BM_ReturnToBoard65IrregularFree/"]
    t.times("Return in the dialog to the painted board, real windows on a 1600 × 1000 screen, 24-megapixel picture "
            "kept for the board: 65 × 65 sliding / free, 65-unit irregular sliding / free", r"BM_ReturnToBoard65.*",
            "< 50 ms", key=lambda n: next(i for i, prefix in enumerate(wait) if n.startswith(prefix)))
    t.time("65 × 65 sliding puzzle from a 24-megapixel picture, created and first painted (1920 × 1050)",
           r"BM_CreateAndPaint65Sliding.*", "< 100 ms")
    t.time("65-unit irregular sliding puzzle, created and first painted", r"BM_CreateAndPaint65IrregularSliding.*",
           "< 100 ms")
    t.time("10 × 10 puzzle, created and first painted", r"BM_CreateAndPaint10/.*", "—")
    t.counter("Board memory beside the 24-megapixel picture kept for that board, 65 × 65", r"BM_CreateAndPaint65Sliding.*",
              "board_share_%", lambda v: f"{v[0]:.2f} %", "—")
    order = ["BM_Create65Regular/", "BM_Create65RegularSliding/", "BM_Create65IrregularSliding/"]
    t.times("Creation without painting: 65 × 65 free / sliding, 65-unit irregular sliding",
            r"BM_Create65(Regular|RegularSliding|IrregularSliding)/.*", "—",
            key=lambda n: next(i for i, prefix in enumerate(order) if n.startswith(prefix)))
    t.times("Creation with a free shuffle, settings file left out, 8² / 16² / 32² / 65² pieces",
            r"BM_CreateRegularBySide/\d+/.*", "linear in pieces", key=side)
    t.time("Repaint after one exchange on a 65 × 65 board", r"BM_RepaintAfterExchange65.*", "—")
    t.time("One pointer move of a drag on 65 × 65 (hit test, undo, new trial, repaint)", r"BM_DragMove65.*",
           "< 2 ms")
    t.time("One sliding click moving a row of 64 pieces on 65 × 65, repaint included", r"BM_SlideRow65.*",
           "< 2 ms")
    t.time("One arrow key on 65 × 65 carrying a piece (neighbour, cursor, undo, new trial, repaint)",
           r"BM_ArrowKey65.*", "< 2 ms")
    t.times("One slippery move on 65 × 65 with 2 / 10 / all pieces misplaced", r"BM_SlipperyMove65.*", "< 1 ms",
            key=lambda n: (side(n) == 0, side(n)))
    t.time("One slippery tick that only grows the bar", r"BM_SlipperyTick.*", "—")
    t.time("One slippery tick that fills the bar on 65 × 65, all misplaced (drag end, completion check, move)",
           r"BM_SlipperyFullBarTick.*", "—")
    order = ["BM_SaveGame65x65Picture8MB", "BM_OpenGame65x65Picture8MB"]
    t.times("A 65 × 65 game with an 8 MB picture, in memory: file written / read", r"BM_(Save|Open)Game65x65.*",
            "< 300 ms", key=lambda n: next(i for i, prefix in enumerate(order) if n.startswith(prefix)))
    t.times("A 65 × 65 game cut from a 24-megapixel JPEG (3.9 MiB), the whole way (menu, disk, Qt's reader keeping "
            "the picture for a 1920 × 1080 board, board): "
            "saved / opened", r"BM_KeepGame65From24MPPhoto_.*", "< 300 ms", key=lambda n: "_Open" in n)
    t.times("The game kept by itself, 65 × 65 from that JPEG, the user interface thread's share after a command: "
            "no change due / a change due (board file queued) / a board that begins (whole game queued)",
            r"BM_KeptByItself65From24MPPhoto/\d+/.*", "< 2 ms", key=side)
    t.times("The same, the background thread's writing: board file / whole game",
            r"BM_KeptByItself65From24MPPhoto_Writing/.*", "—", key=side)
    t.rest()
    return t.markdown()


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    table = build_table(run(os.path.join(ROOT, build) if not os.path.isabs(build) else build))
    readme = os.path.join(ROOT, "README.md")
    text = open(readme, encoding="utf-8").read()
    if BEGIN not in text or END not in text:
        sys.exit(f"README.md has no {BEGIN} … {END} markers")
    head, rest = text.split(BEGIN, 1)
    _, tail = rest.split(END, 1)
    open(readme, "w", encoding="utf-8").write(head + BEGIN + "\n" + table + "\n" + END + tail)
    print(table)


if __name__ == "__main__":
    main()
