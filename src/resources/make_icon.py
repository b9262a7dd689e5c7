#!/usr/bin/env python3
"""Draws the program's icon: a speech bubble with a "K", 32x32 and 16x16, 16 colours.

Writes kelvari.ico (4 bits per pixel, the standard 16-colour palette). Run it again after a
change to the drawing; the build uses the committed file.
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREY, BLUE, YELLOW, WHITE = 0, 4, 8, 12, 11, 15
CLEAR = None


def draw(size):
    """Returns rows (top first) of palette indexes or CLEAR."""
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]

    def inside_bubble(x, y):
        # A rounded rectangle from (2,3) to (29,22) plus a tail towards the lower left.
        l, t, r, b, rad = 2 * s, 3 * s, 29 * s, 22 * s, 5 * s
        cx = min(max(x, l + rad), r - rad)
        cy = min(max(y, t + rad), b - rad)
        if (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad and l <= x <= r and t <= y <= b:
            return True
        # Tail: a triangle (7,21) (15,21) (6,29).
        ax, ay, bx, by, qx, qy = 7 * s, 21 * s, 15 * s, 21 * s, 6 * s, 29 * s
        d = (by - qy) * (ax - qx) + (qx - bx) * (ay - qy)
        u = ((by - qy) * (x - qx) + (qx - bx) * (y - qy)) / d
        v = ((qy - ay) * (x - qx) + (ax - qx) * (y - qy)) / d
        return u >= 0 and v >= 0 and u + v <= 1

    for y in range(size):
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            if inside_bubble(cx, cy):
                edge = not all(inside_bubble(cx + dx * s, cy + dy * s)
                               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                px[y][x] = NAVY if edge else BLUE
    # The letter K in white, with a yellow dot for "answer".
    def k_pixel(x, y):
        u, v = (x + 0.5) / s, (y + 0.5) / s
        if 9 <= u <= 12.5 and 6 <= v <= 19:
            return True
        # The two arms of the K.
        for (x0, y0, x1, y1) in ((12, 12.5, 20, 6), (12, 12.5, 20, 19)):
            t = max(0.0, min(1.0, ((u - x0) * (x1 - x0) + (v - y0) * (y1 - y0)) /
                             ((x1 - x0) ** 2 + (y1 - y0) ** 2)))
            dx, dy = u - (x0 + t * (x1 - x0)), v - (y0 + t * (y1 - y0))
            if dx * dx + dy * dy <= 2.2 ** 2:
                return True
        return False

    for y in range(size):
        for x in range(size):
            if px[y][x] == BLUE and k_pixel(x, y):
                px[y][x] = WHITE
            u, v = (x + 0.5) / s, (y + 0.5) / s
            if px[y][x] == BLUE and (u - 24.5) ** 2 + (v - 16.5) ** 2 <= 2.3 ** 2:
                px[y][x] = YELLOW
    return px


def dib(size):
    rows = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''
    and_mask = b''
    stride_xor = ((size * 4 + 31) // 32) * 4
    stride_and = ((size + 31) // 32) * 4
    for row in reversed(rows):
        line = bytearray(stride_xor)
        mask = bytearray(stride_and)
        for x, c in enumerate(row):
            index = 0 if c is CLEAR else c
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if c is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(line)
        and_mask += bytes(mask)
    return header + pal + xor + and_mask


def main(path):
    images = [(32, dib(32)), (16, dib(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'kelvari.ico')
