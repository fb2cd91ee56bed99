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
    if palette is not None:
        padded = palette + bytes(768 - len(palette))
        planes = [padded[k::3] for k in range(3)]
    stride = width * bpp

    def inflated():
        inflater = zlib.decompressobj()
        for chunk in idat:
            while chunk:
                yield inflater.decompress(chunk, 1 << 20)
                chunk = inflater.unconsumed_tail
        yield inflater.flush()

    pieces = inflated()
    buffer, at = b"", 0
    prev = bytes(stride)
    for _ in range(height):
        while len(buffer) - at < stride + 1:
            buffer, at = buffer[at:] + next(pieces), 0
        kind, f = buffer[at], buffer[at + 1:at + stride + 1]
        at += stride + 1
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
        # Rows are compared as their red, green and blue planes.
        if palette is not None and bpp == 1:
            yield tuple(cur.translate(plane) for plane in planes)
        else:
            yield tuple(cur[k::bpp] for k in range(3))


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
            bgr = f.read(row_bytes)[:width * 3]
            yield bgr[2::3], bgr[1::3], bgr[0::3]


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
