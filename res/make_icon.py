#!/usr/bin/env python3
"""Draws the program's icon, a small clock face, as an .ico with one 32x32
image, which Windows halves for the small icon (a 16x16 image of its own
would take more bytes). The image is PNG-compressed, as Windows reads icons
from Vista on: 269 bytes instead of 700 as a bitmap. Run it to rebuild
res/vorlandine.ico."""
import math
import struct
import sys
import zlib

# Only the colours the icon uses, and one more for the transparent pixels.
PALETTE = [0x000000, 0x000080, 0x808080, 0xFFFFFF, 0xFF0000, 0x000000]
BLACK, NAVY, GREY, WHITE, RED, CLEAR = range(6)


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


def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def png(n):
    """A 4-bit palette PNG, top row first, CLEAR for the pixels not drawn."""
    rows = b''
    for row in draw(n):
        colours = [c if opaque else CLEAR for c, opaque in row]
        rows += b'\0' + bytes(colours[x] << 4 | colours[x + 1] for x in range(0, n, 2))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', n, n, 4, 3, 0, 0, 0))
            + chunk(b'PLTE', b''.join(v.to_bytes(3, 'big') for v in PALETTE))
            + chunk(b'tRNS', bytes([255] * CLEAR + [0]))
            + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


def main(path):
    images = [png(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((32,), images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)  # 16 colours, 4 bits
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


main(sys.argv[1] if len(sys.argv) > 1 else 'res/vorlandine.ico')
