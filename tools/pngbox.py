#!/usr/bin/env python3
"""pngbox.py A.png B.png X0 Y0 X1 Y1: exit 0 when the box holds the same RGB
pixels in both screenshots, 1 when it differs (8-bit RGB or RGBA PNGs, not
interlaced, as dspshot writes them)."""
import struct
import sys
import zlib


def rows(path):
    data, pos, idat = open(path, 'rb').read(), 8, b''
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        if kind == b'IHDR':
            w, h, _, ctype = struct.unpack('>IIBB', data[pos + 8:pos + 18])
            bpp = 4 if ctype == 6 else 3
        elif kind == b'IDAT':
            idat += data[pos + 8:pos + 8 + n]
        pos += 12 + n
    raw, out, prev, stride = zlib.decompress(idat), [], bytearray(w * bpp), w * bpp
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a, b = line[i - bpp] if i >= bpp else 0, prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + b) & 255
            elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        out.append((bytes(line), bpp))
        prev = line
    return out


a, b = rows(sys.argv[1]), rows(sys.argv[2])
x0, y0, x1, y1 = map(int, sys.argv[3:7])
for y in range(y0, y1):
    (la, pa), (lb, pb) = a[y], b[y]
    for x in range(x0, x1):
        if la[x * pa:x * pa + 3] != lb[x * pb:x * pb + 3]:
            sys.exit(1)
