# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""PNG encoding with zlib: 8-bit RGB pictures and 16-colour palette icons."""
import struct
import zlib

_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# Byte b read as a signed difference, by size: the usual "minimum sum of
# absolute differences" measure for picking a row filter.
_ABS_SIGNED = bytes(min(b, 256 - b) for b in range(256))


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _bytewise_sub(a, b, mask_high, mask_all):
    """(a - b) mod 256 in every byte lane of two equally long big integers."""
    return ((a | mask_high) - (b & ~mask_high & mask_all)) ^ ((a ^ (b ^ mask_all)) & mask_high)


def _filtered_rows(raw, stride, height, bpp):
    """Picks None, Sub or Up for every row, whichever looks smallest."""
    mask_all = (1 << (8 * stride)) - 1
    mask_high = int.from_bytes(b"\x80" * stride, "big")
    zero_pixel = b"\x00" * bpp
    out = bytearray()
    prev = 0
    for y in range(height):
        row = bytes(raw[y * stride:(y + 1) * stride])
        value = int.from_bytes(row, "big")
        left = int.from_bytes(zero_pixel + row[:-bpp], "big")
        candidates = (
            (0, row),
            (1, _bytewise_sub(value, left, mask_high, mask_all).to_bytes(stride, "big")),
            (2, _bytewise_sub(value, prev, mask_high, mask_all).to_bytes(stride, "big")),
        )
        kind, data = min(candidates, key=lambda c: sum(c[1].translate(_ABS_SIGNED)))
        out.append(kind)
        out += data
        prev = value
    return bytes(out)


def encode_rgb(width, height, pixels):
    """pixels: bytes of width*height RGB triples, row by row."""
    stride = width * 3
    assert len(pixels) == stride * height
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    data = zlib.compress(_filtered_rows(pixels, stride, height, 3), 9)
    return _SIGNATURE + _chunk(b"IHDR", header) + _chunk(b"IDAT", data) + _chunk(b"IEND", b"")


def encode_palette(width, height, indices, palette, transparent_index=None):
    """indices: one byte per pixel; palette: up to 16 RGB triples.
    Written at 4 bits per pixel, as the icon's 16 colours allow."""
    assert len(palette) <= 16 and len(indices) == width * height
    stride = (width + 1) // 2
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        row = indices[y * width:(y + 1) * width]
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            raw.append((high << 4) | low)
    assert len(raw) == height * (stride + 1)
    header = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
    chunks = _chunk(b"IHDR", header)
    chunks += _chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparent_index is not None:
        chunks += _chunk(b"tRNS", bytes(0 if i == transparent_index else 255
                                         for i in range(transparent_index + 1)))
    chunks += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    return _SIGNATURE + chunks + _chunk(b"IEND", b"")
