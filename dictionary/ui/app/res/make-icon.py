#!/usr/bin/env python3
"""Writes Dictionary.ico: an open book in the lookup windows' dark red and orange with a
Sindhi-style dot pattern, at 16, 32 and 48 pixels (32-bit colour with alpha).
Usage: make-icon.py OUT.ico"""
import struct
import sys

RED = (64, 0, 0)
ORANGE = (255, 128, 0)
PAGE = (250, 244, 228)
INK = (40, 30, 20)


def pixel(x, y, n):
    """Colour and alpha at pixel (x, y) of an n x n icon, in unit coordinates."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    if not (0.06 < u < 0.94 and 0.16 < v < 0.88):
        return (0, 0, 0, 0)
    sag = 0.04 * (1 - abs(u - 0.5) * 2)  # pages dip towards the spine
    if v > 0.80 - sag:
        return RED + (255,)
    if abs(u - 0.5) < 0.03:
        return ORANGE + (255,)
    if v < 0.22 + sag:
        return RED + (255,)
    # lines of "text": dots on the right page, strokes on the left
    row = (v - 0.3) / 0.12
    if 0 <= row < 4 and abs(row - round(row)) < 0.18:
        if u < 0.5 and 0.14 < u < 0.44:
            return INK + (255,)
        if u > 0.5 and 0.56 < u < 0.86 and int(u * n * 1.5) % 3 != 0:
            return ORANGE + (255,) if round(row) % 2 else INK + (255,)
    return PAGE + (255,)


def image(n):
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            rows.append(struct.pack("BBBB", b, g, r, a))
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    and_mask = bytes(mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(out):
    sizes = (16, 32, 48)
    images = [image(n) for n in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
