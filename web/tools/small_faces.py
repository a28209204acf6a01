#!/usr/bin/env python3
"""Writes the small card faces (assets/cards/small/NN.png) as a C++ source of 24-bit pixels,
composited over white exactly as the desktop's picture list does it, so that a report's
pictures, and so its RTF, come out the same byte for byte in the browser.

    small_faces.py ASSETS_CARDS_SMALL OUT.cpp
"""
import struct
import sys
import zlib

CARDS, WIDTH, HEIGHT = 40, 40, 50


def read_rgba(path):
    """The pixels of an 8-bit RGBA, non-interlaced PNG as rows of R, G, B, A bytes."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (width, height, depth, colour, interlace) != (WIDTH, HEIGHT, 8, 6, 0):
        sys.exit(f"{path}: expected a {WIDTH}x{HEIGHT} 8-bit RGBA PNG without interlacing")
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, prev, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return rows


def premultiply(channel, alpha):
    # The rounding of the desktop's image library: (t + t / 256 + 128) / 256 with t = c * a.
    t = channel * alpha
    return (t + (t >> 8) + 0x80) >> 8


def rgb_on_white(rows):
    out = bytearray()
    for line in rows:
        for x in range(0, len(line), 4):
            alpha = line[x + 3]
            for channel in line[x:x + 3]:
                out.append(premultiply(channel, alpha) + 255 - alpha)
    return out


def main():
    folder, target = sys.argv[1], sys.argv[2]
    with open(target, "w") as out:
        out.write("// Written by web/tools/small_faces.py from assets/cards/small: do not edit.\n")
        out.write('#include "small_faces.h"\n\nnamespace baralune::web {\n\n')
        out.write(f"const unsigned char kSmallFaceRgb[{CARDS}][{WIDTH * HEIGHT * 3}] = {{\n")
        for card in range(CARDS):
            pixels = rgb_on_white(read_rgba(f"{folder}/{card:02d}.png"))
            out.write("{" + ",".join(str(b) for b in pixels) + "},\n")
        out.write("};\n\n}  // namespace baralune::web\n")


main()
