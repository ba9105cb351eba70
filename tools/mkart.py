#!/usr/bin/env python3
"""Turns the text pixel grids in res/art into Windows .ico and .bmp files.

A grid is rows of characters, one per pixel: 0-9 and a-f index the standard
16-colour palette, '.' is transparent (background). Lines starting with '#'
are comments; empty lines are ignored.

ICO mode (the output name ends in .ico): the file holds one or more square
grids, each preceded by a line 'size N'. Every grid becomes one 4-bit image
of the icon, '.' being transparent (set in the AND mask).

BMP mode (the output name ends in .bmp): the file holds one grid preceded by
a line 'bitmap W H' (W = total width of all frames, H = frame height). The
result is a 4-bit bottom-up BMP W pixels wide and 2*H high: the upper half
is the picture with every '.' drawn black (index 0), the lower half is the
mask, white (index f) where the grid has '.' and black where it has a colour.

Usage: mkart.py GRID_TXT OUT.ico
       mkart.py GRID_TXT OUT.bmp
"""
import os
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PIXELS = set("0123456789abcdefABCDEF.")


def fail(message):
    sys.exit(f"mkart: {message}")


def read_grids(path):
    """The grids of a file: a list of (kind, width, height, rows, line number)
    with kind 'size' or 'bitmap'; every grid is checked for its dimensions."""
    grids = []
    try:
        f = open(path)
    except OSError as e:
        fail(f"cannot read {path}: {e.strerror}")
    with f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            words = line.split()
            if words[:1] in (["size"], ["bitmap"]):
                try:
                    dims = [int(w) for w in words[1:]]
                except ValueError:
                    dims = []
                if words[0] == "size" and len(dims) == 1 and dims[0] > 0:
                    grids.append(("size", dims[0], dims[0], [], number))
                elif words[0] == "bitmap" and len(dims) == 2 and min(dims) > 0:
                    grids.append(("bitmap", dims[0], dims[1], [], number))
                else:
                    fail(f"{path}:{number}: bad header '{line}' "
                         "(expected 'size N' or 'bitmap W H')")
            elif line and not line.startswith("#"):
                if not grids:
                    fail(f"{path}:{number}: pixel row before any 'size' or 'bitmap' line")
                kind, width, height, rows, _ = grids[-1]
                if len(line) != width:
                    fail(f"{path}:{number}: row {len(rows) + 1} of the {kind} grid is "
                         f"{len(line)} pixels wide, expected {width}")
                bad = sorted(set(line) - PIXELS)
                if bad:
                    fail(f"{path}:{number}: invalid pixel character(s) {''.join(bad)!r} "
                         "(use 0-9, a-f or '.')")
                if len(rows) == height:
                    fail(f"{path}:{number}: too many rows: the {kind} grid starting on "
                         f"line {grids[-1][4]} should have {height}")
                rows.append(line)
    if not grids:
        fail(f"{path}: no grid found (no 'size' or 'bitmap' line)")
    for kind, width, height, rows, number in grids:
        if len(rows) != height:
            fail(f"{path}:{number}: the {kind} grid has {len(rows)} rows, expected {height}")
    return grids


def index(c):
    return 0 if c == "." else int(c, 16)


def packed_row(nibbles):
    """One row of 4-bit pixels, padded to a multiple of 4 bytes."""
    if len(nibbles) % 2:
        nibbles = nibbles + [0]
    line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
    return line.ljust(((len(line) + 3) // 4) * 4, b"\0")


def palette_bytes():
    return b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def icon_image(size, rows):
    """A 4-bit DIB with its AND mask, bottom-up, as an icon resource stores it."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = palette_bytes()
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(rows):
        nibbles = [index(c) for c in row]
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


def make_ico(path, grids):
    if any(kind != "size" for kind, *_ in grids):
        fail(f"{path}: an .ico is made from 'size N' grids, not 'bitmap W H'")
    images = [icon_image(width, rows) for _, width, _, rows, _ in grids]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (_, size, _, _, _), image in zip(grids, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def make_bmp(path, grids):
    if len(grids) != 1 or grids[0][0] != "bitmap":
        fail(f"{path}: a .bmp is made from exactly one 'bitmap W H' grid")
    _, width, height, rows, _ = grids[0]
    picture = [[index(c) for c in row] for row in rows]
    mask = [[15 if c == "." else 0 for c in row] for row in rows]
    # Top-down, the picture is above the mask; a BMP stores rows bottom-up.
    bits = b"".join(packed_row(r) for r in reversed(picture + mask))
    offset = 14 + 40 + 16 * 4
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, len(bits),
                       2835, 2835, 16, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info + palette_bytes() + bits


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: mkart.py GRID_TXT OUT.ico\n       mkart.py GRID_TXT OUT.bmp")
    source, target = sys.argv[1], sys.argv[2]
    ext = os.path.splitext(target)[1].lower()
    if ext not in (".ico", ".bmp"):
        fail(f"{target}: the output name must end in .ico or .bmp")
    grids = read_grids(source)
    data = make_ico(source, grids) if ext == ".ico" else make_bmp(source, grids)
    with open(target, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
