#!/usr/bin/env python3
"""Turns the text pixel grids in res/art into Windows .ico files.

A grid is rows of characters, one per pixel: 0-9 and a-f index the standard
16-colour palette, '.' is transparent. A file may hold several grids (one per
icon size), each preceded by a line 'size N'.

Usage: mkart.py ICON_TXT OUT_ICO
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def read_grids(path):
    grids, rows, size = [], [], None
    with open(path) as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("size "):
                if rows:
                    grids.append((size, rows))
                size, rows = int(line.split()[1]), []
            elif line and not line.startswith("#"):
                rows.append(line)
    if rows:
        grids.append((size, rows))
    for size, rows in grids:
        if len(rows) != size or any(len(r) != size for r in rows):
            sys.exit(f"{path}: grid of size {size} is not {size}x{size}")
    return grids


def icon_image(size, rows):
    """A 4-bit DIB with its AND mask, bottom-up, as an icon resource stores it."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(rows):
        nibbles = [0 if c == "." else int(c, 16) for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line.ljust(xor_stride, b"\0")
        bits = 0
        out = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c == "." else 0)
            if i % 8 == 7:
                out.append(bits)
                bits = 0
        mask += bytes(out).ljust(and_stride, b"\0")
    return header + palette + xor + mask


def main():
    grids = read_grids(sys.argv[1])
    images = [icon_image(size, rows) for size, rows in grids]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, _), image in zip(grids, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(sys.argv[2], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
