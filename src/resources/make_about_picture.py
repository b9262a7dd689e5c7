#!/usr/bin/env python3
"""Draws the about box's decorative picture: a tall evening landscape, 157 x 552 pixels.

Sky with a setting sun, a range of hills, a lake that mirrors the sky and a shore with reeds,
in 16 colours with ordered dithering. Writes about.bmp (4 bits per pixel, a palette of its own).
Run it again after a change to the drawing; the build uses the committed file.
"""
import math
import struct
import sys

WIDTH, HEIGHT = 157, 552

PALETTE = [
    (24, 32, 72), (44, 62, 120), (72, 96, 160), (118, 132, 190),   # night blue to dusk
    (186, 150, 170), (236, 170, 120), (250, 206, 130), (255, 240, 190),  # glow and sun
    (40, 56, 64), (58, 84, 78), (84, 112, 92), (120, 140, 100),   # hills and shore
    (20, 24, 30), (96, 76, 60), (150, 120, 80), (255, 255, 255),  # shadow, reeds, white
]

BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def mix(a, b, t, x, y):
    """Palette index a or b so that the share of b is t, ordered by the Bayer matrix."""
    return b if (BAYER[y % 4][x % 4] + 0.5) / 16.0 < t else a


def ramp(stops, v, x, y):
    """Dithers along a list of (position, palette index) stops."""
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if v <= p1:
            return mix(c0, c1, (v - p0) / (p1 - p0) if p1 > p0 else 0, x, y)
    return stops[-1][1]


SKY = [(0.0, 0), (0.25, 1), (0.5, 2), (0.7, 3), (0.82, 4), (0.92, 5), (1.0, 6)]
HORIZON = 300
SUN = (96, 262, 22)


def hill(x):
    return 250 + 22 * math.sin(x / 19.0) + 12 * math.sin(x / 7.0 + 1.3)


def front_hill(x):
    return 272 + 16 * math.sin(x / 23.0 + 2.0) + 5 * math.sin(x / 5.0)


def sky(x, y):
    sx, sy, r = SUN
    d = math.hypot(x - sx, y - sy)
    if d <= r:
        return mix(6, 7, 1 - d / r * 0.8, x, y)
    glow = max(0.0, 1 - (d - r) / 90.0) * 0.25
    return ramp(SKY, min(1.0, y / HORIZON + glow), x, y)


def pixel(x, y):
    if y < HORIZON:
        if y >= front_hill(x):
            return mix(8, 12, (y - front_hill(x)) / 40.0, x, y)
        if y >= hill(x):
            return mix(9, 8, (y - hill(x)) / 40.0, x, y)
        return sky(x, y)
    shore = 470 + 10 * math.sin(x / 11.0)
    if y < shore:
        # The lake mirrors the sky, darker and broken by ripples.
        my = 2 * HORIZON - y
        ripple = int(3 * math.sin(y * 0.9 + x * 0.05))
        c = pixel(min(WIDTH - 1, max(0, x + ripple)), max(0, min(HORIZON - 1, my)))
        darker = {7: 6, 6: 5, 5: 4, 4: 3, 3: 2, 2: 1, 1: 0, 9: 8, 8: 12}
        return darker.get(c, c) if (y + x // 9) % 5 else c
    # The shore with reeds in front.
    reed = (x * 37) % 11 == 0 and y > shore - 30 * abs(math.sin(x)) - 10
    if reed:
        return 13
    return ramp([(0, 10), (0.5, 11), (1.0, 14)], (y - shore) / (HEIGHT - shore), x, y)


def main(path):
    stride = ((WIDTH * 4 + 31) // 32) * 4
    rows = b''
    for y in reversed(range(HEIGHT)):
        line = bytearray(stride)
        for x in range(WIDTH):
            line[x // 2] |= pixel(x, y) << (4 if x % 2 == 0 else 0)
        rows += bytes(line)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 4, 0, len(rows), 3780, 3780, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(header + info + palette + rows)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'about.bmp')
