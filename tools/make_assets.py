#!/usr/bin/env python3
"""Writes the files Quilto keeps beside itself and its window icon:

  assets/app/*.wav              the five sound cues
  assets/app/Imagenes/*.png     the sample pictures
  assets/quilto.png             the 32 x 32 window icon
  assets/quilto-256.png         the same icon at 256 x 256

Standard library only; the output is the same on every run. Run it from
anywhere: python3 tools/make_assets.py
"""
import os
import sys

sys.dont_write_bytecode = True  # leave no caches in the source tree

from quilto_assets import icon, landscape_picture, png, quilt_picture, sounds  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")
APP = os.path.join(ASSETS, "app")
PICTURES = os.path.join(APP, "Imagenes")


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
    _write(os.path.join(PICTURES, "Colcha.png"), _picture(quilt_picture.draw))
    _write(os.path.join(PICTURES, "Paisaje.png"), _picture(landscape_picture.draw))
    placeholder = os.path.join(PICTURES, ".keep")
    if os.path.exists(placeholder):
        os.remove(placeholder)
    _write(os.path.join(ASSETS, "quilto.png"), icon.draw(32))
    _write(os.path.join(ASSETS, "quilto-256.png"), icon.draw(256))


if __name__ == "__main__":
    main()
