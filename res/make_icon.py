#!/usr/bin/env python3
"""Draws the program's icon, a small clock face, as an .ico with one 32x32
image, which Windows halves for the small icon. The image is a PNG of 8-bit
RGBA, the one PNG form Windows documents for icon images (from Vista on):
259 bytes, fewer than a palette PNG (269, a form Windows does not promise to
read) or a 4-bit bitmap with its mask (700). A 16x16 image of its own would
add 192 bytes to the file and 240 to the program's resource section, another
512-byte block of the release. Run it to rebuild res/vorlandine.ico."""
import math
import struct
import sys
import zlib

COLOURS = [0x000000, 0x000080, 0x808080, 0xFFFFFF, 0xFF0000]
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


def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def png(n):
    """A PNG of 8-bit RGBA, top row first, unfiltered (which compresses this
    drawing best); the pixels not drawn are transparent black."""
    rows = b''
    for row in draw(n):
        rows += b'\0' + b''.join(COLOURS[c].to_bytes(3, 'big') + b'\xff' if opaque else bytes(4) for c, opaque in row)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', n, n, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


def main(path):
    images = [png(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((32,), images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)  # no palette, 32 bits
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


main(sys.argv[1] if len(sys.argv) > 1 else 'res/vorlandine.ico')
