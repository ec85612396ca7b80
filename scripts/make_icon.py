#!/usr/bin/env python3
"""Draws the application icon (a microphone over a list) as 48x48, 24 bits per
pixel, and writes it as PNG (Linux) and ICO (Windows resources)."""
import struct
import zlib
from pathlib import Path

SIZE = 48


def pixel(x, y):
    cx, cy = x + 0.5, y + 0.5
    # background: deep blue to violet, top to bottom
    t = y / (SIZE - 1)
    bg = (int(40 + 80 * t), int(50 + 10 * t), int(140 + 40 * t))
    # rounded frame
    r = 8
    dx = max(r - cx, 0, cx - (SIZE - r))
    dy = max(r - cy, 0, cy - (SIZE - r))
    if dx * dx + dy * dy > r * r:
        return (255, 255, 255)
    # list lines on the right
    for i in range(4):
        ly = 12 + i * 7
        if 28 <= cx <= 41 and ly <= cy <= ly + 2.5:
            return (250, 220, 90) if i == 0 else (230, 230, 245)
    # microphone head
    if (cx - 15) ** 2 + (cy - 15) ** 2 <= 7.5 ** 2:
        return (235, 235, 240) if (cx - 13) ** 2 + (cy - 12) ** 2 > 4 else (255, 255, 255)
    # handle
    if 13 <= cx <= 17 and 21 <= cy <= 38 and abs(cx - 15) <= 2 + (38 - cy) * 0.05:
        return (60, 60, 70)
    return bg


def rows():
    return [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]


def png(img):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in img)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(img):
    # BMP inside ICO: bottom-up BGR rows, then an all-opaque AND mask
    xor = b"".join(bytes(c for p in row for c in (p[2], p[1], p[0])) for row in reversed(img))
    mask_row = ((SIZE + 31) // 32) * 4
    bmp = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor), 0, 0, 0, 0)
    data = bmp + xor + b"\x00" * mask_row * SIZE
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(data), 6 + 16)
    return header + entry + data


if __name__ == "__main__":
    out = Path(__file__).resolve().parent.parent / "resources"
    img = rows()
    (out / "duzedazizodava.png").write_bytes(png(img))
    (out / "duzedazizodava.ico").write_bytes(ico(img))
