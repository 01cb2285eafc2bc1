#!/usr/bin/env python3
"""Draws the program's icon, a small clock face, as a 16-colour .ico with one
32x32 image, which Windows halves for the small icon (a 16x16 image of its
own would take 314 bytes). Run it to rebuild res/vorlandine.ico."""
import math
import struct
import sys

# Only the colours the icon uses; biClrUsed keeps the colour tables this
# short, which saves 44 bytes an image.
PALETTE = [0x000000, 0x000080, 0x808080, 0xFFFFFF, 0xFF0000]
BLACK, NAVY, GREY, WHITE, RED = range(5)


def draw(n):
    """Returns rows of (colour, opaque) from the top."""
    c = (n - 1) / 2
    r = n / 2 - 0.5
    img = [[(0, False)] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            d = math.hypot(x - c, y - c)
            if d <= r:
                img[y][x] = (NAVY if d > r - n / 10 else WHITE, True)

    def hand(angle, length, colour, width):
        steps = n * 4
        for i in range(steps + 1):
            t = length * i / steps
            px = c + t * math.sin(angle)
            py = c - t * math.cos(angle)
            for dx in range(width):
                x, y = round(px + dx * 0.5), round(py)
                if 0 <= x < n and 0 <= y < n:
                    img[y][x] = (colour, True)

    for k in range(12):  # hour marks
        a = k * math.pi / 6
        x, y = round(c + (r - n / 6) * math.sin(a)), round(c - (r - n / 6) * math.cos(a))
        img[y][x] = (GREY, True)
    hand(0, r * 0.75, BLACK, 1 + n // 16)               # minutes at twelve
    hand(math.pi * 2 / 3, r * 0.5, BLACK, 1 + n // 16)  # hours at four
    hand(math.pi * 1.25, r * 0.8, RED, 1)               # seconds
    return img


def dib(n):
    img = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, len(PALETTE), 0)
    palette = b''.join(struct.pack('<BBBB', v & 255, v >> 8 & 255, v >> 16, 0) for v in PALETTE)
    xor, andm = b'', b''
    for row in reversed(img):  # bottom-up
        bits = bytes((row[x][0] << 4) | row[x + 1][0] for x in range(0, n, 2))
        xor += bits + b'\0' * (-len(bits) % 4)
        mask = 0
        for x in range(n):
            mask = mask << 1 | (0 if row[x][1] else 1)
        m = mask.to_bytes(n // 8, 'big')
        andm += m + b'\0' * (-len(m) % 4)
    return header + palette + xor + andm


def main(path):
    images = [dib(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((32,), images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


main(sys.argv[1] if len(sys.argv) > 1 else 'res/vorlandine.ico')
