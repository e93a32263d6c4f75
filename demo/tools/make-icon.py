#!/usr/bin/env python3
"""Draw the emblem of the demo game folder and write it as a Windows .ico file.

The emblem is a dark disc with an amber ring and a light crosshair, drawn at
16x16 and 32x32 pixels (32-bit colour with alpha). Only the standard library
is used, so the script runs anywhere python3 does.

Usage: make-icon.py [OUTPUT]   (default: ../Half-Life/cstrike/cstrike.ico)
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4

DISC = (38, 52, 64)        # slate blue
RING = (232, 158, 36)      # amber
CROSS = (236, 236, 228)    # off-white
DOT = (200, 40, 32)        # red


def shade(x, y):
    """Colour (r, g, b, a) of the emblem at a point of the unit square (0..1)."""
    dx, dy = x - 0.5, y - 0.5
    r = math.hypot(dx, dy)
    if r > 0.48:
        return (0, 0, 0, 0)
    if r > 0.40:
        return RING + (255,)
    if r < 0.06:
        return DOT + (255,)
    thin = 0.035
    if (abs(dx) < thin or abs(dy) < thin) and r > 0.12 and r < 0.34:
        return CROSS + (255,)
    return DISC + (255,)


def render(size):
    """Return rows (top first) of (r, g, b, a) tuples, averaged over sub-samples."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    c = shade((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    acc[0] += c[0] * c[3]
                    acc[1] += c[1] * c[3]
                    acc[2] += c[2] * c[3]
                    acc[3] += c[3]
            alpha = acc[3] / (n * n)
            if acc[3]:
                rgb = tuple(round(v / acc[3]) for v in acc[:3])
            else:
                rgb = (0, 0, 0)
            row.append(rgb + (round(alpha),))
        rows.append(row)
    return rows


def bitmap(size):
    """BITMAPINFOHEADER + 32-bit BGRA pixels + 1-bit AND mask, as stored in an icon."""
    rows = render(size)
    xor = bytearray()
    for row in reversed(rows):  # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def icon(sizes):
    images = [bitmap(s) for s in sizes]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'Half-Life', 'cstrike', 'cstrike.ico')
    with open(target, 'wb') as f:
        f.write(icon([16, 32]))
    print('wrote', os.path.normpath(target))


if __name__ == '__main__':
    main()
