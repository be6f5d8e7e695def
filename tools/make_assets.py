#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the files Quilto keeps beside itself, its icons and its logo:

  assets/app/*.wav                          the five sound cues
  assets/app/Imagenes/*.png                 the sample pictures
  assets/icons/hicolor/NxN/apps/quilto.png  the icon in the sizes desktops ask for
                                            (the 32 x 32 one is also the window icon)
  assets/logo.png                           the about box's logo

Standard library only; the output is the same on every run. Run it from
anywhere: python3 tools/make_assets.py

The help page assets/app/Instrucciones.htm is written by hand; its pictures
in assets/app/Ayuda/ and the README's screenshot are taken from the real
program by tools/take-screenshots.sh (run with --screenshots to retake them
after this script, from a build in build/).
"""
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # leave no caches in the source tree

from quilto_assets import (icon, landscape_picture, lighthouse_picture, logo, png,  # noqa: E402
                           quilt_picture, reef_picture, sounds)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")
APP = os.path.join(ASSETS, "app")
PICTURES = os.path.join(APP, "Imagenes")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = {
    "Colcha.png": quilt_picture,
    "Paisaje.png": landscape_picture,
    "Faro.png": lighthouse_picture,
    "Arrecife.png": reef_picture,
}


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(f"{os.path.relpath(path, ROOT)}: {len(data)} bytes")


def _picture(draw):
    canvas = draw()
    return png.encode_rgb(canvas.width, canvas.height, bytes(canvas.pixels))


def main():
    for name, make in sounds.CUES.items():
        _write(os.path.join(APP, name), make())
    for name, module in SAMPLES.items():
        _write(os.path.join(PICTURES, name), _picture(module.draw))
    for size in ICON_SIZES:
        _write(os.path.join(ASSETS, "icons", "hicolor", f"{size}x{size}", "apps", "quilto.png"), icon.draw(size))
    _write(os.path.join(ASSETS, "logo.png"), _picture(logo.draw))
    if "--screenshots" in sys.argv[1:]:
        subprocess.run([os.path.join(ROOT, "tools", "take-screenshots.sh")], check=True)


if __name__ == "__main__":
    main()
