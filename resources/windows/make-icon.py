#!/usr/bin/env python3
"""Writes keyloom.ico: a gold key on a dark teal tile, at 16x16 and 32x32 pixels, each a
32-bit BGRA bitmap with its AND mask. Run it again only to change the picture:

    python3 resources/windows/make-icon.py resources/windows/keyloom.ico
"""
import struct
import sys

TILE = (0x4A, 0x3C, 0x10, 0xFF)  # B, G, R, A: dark teal
KEY = (0x2E, 0xB8, 0xF0, 0xFF)   # gold
CLEAR = (0, 0, 0, 0)


def pixel(size, x, y):
    """The colour at pixel (x, y), y counted from the top, on a 32-unit design grid."""
    u = (x + 0.5) * 32.0 / size
    v = (y + 0.5) * 32.0 / size
    # Tile with rounded corners.
    r = 5.0
    cx = min(max(u, r), 32 - r)
    cy = min(max(v, r), 32 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return CLEAR
    # The key: a ring, a shaft and two teeth.
    ring = (u - 10.0) ** 2 + (v - 16.0) ** 2
    if 9.0 <= ring <= 42.0:
        return KEY
    if 15.0 <= u <= 28.0 and 14.0 <= v <= 18.0:
        return KEY
    if (20.0 <= u <= 22.5 or 25.0 <= u <= 28.0) and 18.0 <= v <= 22.5:
        return KEY
    return TILE


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up, as a DIB stores them
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    xor = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask_rows = []
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if pixel(size, x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(row))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                         len(xor) + mask_stride * size, 0, 0, 0, 0)
    return header + xor + b"".join(mask_rows)


def main(path):
    sizes = [16, 32]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "keyloom.ico")
