#!/usr/bin/env python3
"""Packs square RGBA PNGs into one Windows .ico.

Usage: pack-ico.py OUT.ico IN.png [IN.png ...]

Images under 256 px go in as 32-bit DIBs (BGRA plus the AND mask that older
shells still read); the 256 px one goes in as a PNG, which is how Windows
expects its large entry. Only the standard library is used and nothing
time-dependent is written, so the same inputs always give the same bytes.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_png_rgba(path):
    """(size, rows of RGBA bytes) of an 8-bit, non-interlaced RGBA PNG."""
    data = open(path, "rb").read()
    if not data.startswith(PNG_SIGNATURE):
        sys.exit(f"{path}: not a PNG")
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at : at + 8])
        body = data[at + 8 : at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    # rsvg-convert always writes this layout; anything else means the pipeline changed.
    if (depth, colour, interlace) != (8, 6, 0) or width != height:
        sys.exit(f"{path}: need a square 8-bit RGBA non-interlaced PNG")
    raw = zlib.decompress(idat)
    stride, step = width * 4, 4
    rows, prior = [], bytearray(stride)
    for y in range(height):
        at = y * (stride + 1)
        kind, row = raw[at], bytearray(raw[at + 1 : at + 1 + stride])
        for i in range(stride):
            left = row[i - step] if i >= step else 0
            up = prior[i]
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + ((left + up) >> 1)) & 255
            elif kind == 4:
                corner = prior[i - step] if i >= step else 0
                pa, pb, pc = abs(up - corner), abs(left - corner), abs(left + up - 2 * corner)
                best = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                row[i] = (row[i] + best) & 255
        rows.append(bytes(row))
        prior = row
    return width, rows


def png_bytes(size, rows):
    """A minimal PNG: no ancillary chunks, so nothing but pixels can differ."""

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    idat = zlib.compress(b"".join(b"\x00" + row for row in rows), 9)
    return PNG_SIGNATURE + chunk(b"IHDR", ihdr) + chunk(b"IDAT", idat) + chunk(b"IEND", b"")


def dib_bytes(size, rows):
    """BITMAPINFOHEADER + bottom-up BGRA + 1-bit AND mask (height counts both)."""
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[4 * x : 4 * x + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image_size = len(pixels) + len(mask)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, image_size, 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    out, inputs = argv[1], argv[2:]
    entries = []
    for path in inputs:
        size, rows = read_png_rgba(path)
        if size > 256:
            sys.exit(f"{path}: icons stop at 256 px")
        body = png_bytes(size, rows) if size == 256 else dib_bytes(size, rows)
        entries.append((size, body))
    entries.sort(key=lambda entry: entry[0])

    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, body in entries:
        # A 0 in the width/height bytes means 256.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    with open(out, "wb") as f:
        f.write(directory)
        for _, body in entries:
            f.write(body)


if __name__ == "__main__":
    main(sys.argv)
