#!/usr/bin/env python3
"""Draws Tavrin's application icon, DEFAULT_ICON.ico, at 16, 32 and 48 pixels.

A blue rounded tile holding a white "#" (a C definition) and an orange arrow
(turned into something else). Each size is drawn 4 times larger and averaged
down, so edges are smooth. Run it again after changing the drawing:

    python3 resources/make_icon.py resources/DEFAULT_ICON.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
SUPERSAMPLE = 4


def inside_rounded(x, y, size, radius):
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(u, v):
    """The colour (r, g, b, a) at (u, v), each coordinate from 0 to 1."""
    if not inside_rounded(u, v, 1.0, 0.2):
        return (0, 0, 0, 0)
    # The "#": two slanted uprights and two bars, in the tile's upper left.
    bar = 0.09
    for x0 in (0.28, 0.50):
        slant = x0 - (v - 0.15) * 0.12
        if 0.14 <= v <= 0.70 and slant <= u <= slant + bar:
            return (255, 255, 255, 255)
    for y0 in (0.28, 0.50):
        if 0.14 <= u <= 0.74 and y0 <= v <= y0 + bar:
            return (255, 255, 255, 255)
    # The arrow, lower right: a shaft and a head.
    if 0.50 <= u <= 0.72 and 0.74 <= v <= 0.84:
        return (255, 160, 20, 255)
    if 0.70 <= u <= 0.90 and abs(v - 0.79) <= (0.90 - u) * 0.9:
        return (255, 160, 20, 255)
    # The tile: XP blue, lighter at the top.
    top, bottom = (88, 148, 232), (20, 70, 170)
    return tuple(int(t + (b - t) * v) for t, b in zip(top, bottom)) + (255,)


def draw(size):
    """Rows of (b, g, r, a), bottom row first, as an icon's bitmap wants."""
    rows = []
    for y in range(size - 1, -1, -1):
        row = []
        for x in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    u = (x + (sx + 0.5) / SUPERSAMPLE) / size
                    v = (y + (sy + 0.5) / SUPERSAMPLE) / size
                    r, g, b, a = colour_at(u, v)
                    total[0] += b * a
                    total[1] += g * a
                    total[2] += r * a
                    total[3] += a
            alpha = total[3] / SUPERSAMPLE ** 2
            if total[3]:
                pixel = [round(c / total[3]) for c in total[:3]]
            else:
                pixel = [0, 0, 0]
            row.append(bytes(pixel + [round(alpha)]))
        rows.append(b"".join(row))
    return rows


def icon_image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(draw(size))
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def main():
    images = [icon_image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as file:
        file.write(out)


if __name__ == "__main__":
    main()
