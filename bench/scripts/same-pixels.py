#!/usr/bin/env python3
"""Compares the decoded pixels of two pictures (PNG of any filter, palette or
RGB, 8 bits; BMP of 24 bits) row by row, without the whole picture in memory,
so that a writer's new output can be checked against its old one:

    same-pixels.py OLD NEW            one pair
    same-pixels.py --dirs OLD NEW     every file of OLD against NEW's of that name

Prints SAME or the first row that differs; status 1 when any pair differs.
Only the standard library (zlib) is used.
"""
import re
import struct
import sys
import zlib
from pathlib import Path

NONZERO = re.compile(rb"[^\x00]+")


def png_rows(path):
    with open(path, "rb") as f:
        data = f.read()
    pos, idat, palette = 8, [], None
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour not in (2, 3, 6):
                raise ValueError(f"{path}: depth {depth}, colour type {colour}")
            bpp = {2: 3, 3: 1, 6: 4}[colour]
        elif kind == b"PLTE":
            palette = body
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + n
    yield width, height
    stride = width * bpp
    inflater = zlib.decompressobj()
    pending = b""
    prev = bytes(stride)
    chunks = iter(idat)
    for _ in range(height):
        while len(pending) < stride + 1:
            pending += inflater.decompress(next(chunks))
        kind, f = pending[0], pending[1:stride + 1]
        pending = pending[stride + 1:]
        if kind == 0:
            cur = f
        elif kind == 2:
            # Up: only the bytes that changed need adding.
            cur = bytearray(prev)
            for m in NONZERO.finditer(f):
                for i in range(m.start(), m.end()):
                    cur[i] = (cur[i] + f[i]) & 255
            cur = bytes(cur)
        else:
            cur = bytearray(f)
            for i in range(stride):
                a = cur[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                if kind == 1:
                    cur[i] = (cur[i] + a) & 255
                elif kind == 3:
                    cur[i] = (cur[i] + (a + b) // 2) & 255
                elif kind == 4:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    cur[i] = (cur[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
                else:
                    raise ValueError(f"{path}: filter {kind}")
            cur = bytes(cur)
        prev = cur
        if palette is not None and bpp == 1:
            yield b"".join(palette[3 * i:3 * i + 3] for i in cur)
        elif bpp == 4:
            yield b"".join(cur[i:i + 3] for i in range(0, stride, 4))
        else:
            yield cur


def bmp_rows(path):
    with open(path, "rb") as f:
        head = f.read(54)
        offset, = struct.unpack("<I", head[10:14])
        width, height, _, bits = struct.unpack("<iiHH", head[18:30])
        if bits != 24:
            raise ValueError(f"{path}: {bits} bits a pixel")
        yield width, abs(height)
        row_bytes = (width * 24 + 31) // 32 * 4
        for y in range(abs(height)):
            stored = abs(height) - 1 - y if height > 0 else y
            f.seek(offset + stored * row_bytes)
            bgr = f.read(row_bytes)
            rgb = bytearray(width * 3)
            rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2:width * 3:3], bgr[1:width * 3:3], bgr[0:width * 3:3]
            yield bytes(rgb)


def rows(path):
    with open(path, "rb") as f:
        magic = f.read(2)
    return bmp_rows(path) if magic == b"BM" else png_rows(path)


def compare(a, b):
    ra, rb = rows(a), rows(b)
    size_a, size_b = next(ra), next(rb)
    if size_a != size_b:
        return f"size {size_a} against {size_b}"
    for y, (x, z) in enumerate(zip(ra, rb)):
        if x != z:
            return f"row {y} differs"
    return None


def main(argv):
    if len(argv) == 4 and argv[1] == "--dirs":
        pairs = [(p, Path(argv[3]) / p.name) for p in sorted(Path(argv[2]).iterdir()) if p.is_file()]
    elif len(argv) == 3:
        pairs = [(Path(argv[1]), Path(argv[2]))]
    else:
        sys.exit(__doc__)
    differ = 0
    for a, b in pairs:
        problem = compare(a, b) if b.exists() else "missing"
        print(f"{a.name}: {'SAME' if problem is None else problem}")
        differ += problem is not None
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
