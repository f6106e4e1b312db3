#!/usr/bin/env python3
"""Writes the icon fixtures of the compiler tests: classic (BMP-based) icon files with 8- and
32-bit images whose pixels differ per image, so that a test can tell every block apart."""
import struct


def image(w, h, bits, seed):
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    table = b''
    if bits <= 8:
        table = b''.join(struct.pack('<BBBB', (i * 7 + seed) & 255, (i * 3) & 255, (255 - i) & 255, 0)
                         for i in range(2 ** bits))
    row = ((w * bits + 31) // 32) * 4
    xor = bytes(((x * 31 + y * 17 + seed) & 255) for y in range(h) for x in range(row))
    mrow = ((w + 31) // 32) * 4
    mask = bytes((0x0F if (y + seed) % 3 else 0x00) for y in range(h) for _ in range(mrow))
    return header + table + xor + mask


def icon(path, specs):
    blocks = [image(w, h, b, i * 13 + w) for i, (w, h, b) in enumerate(specs)]
    out = struct.pack('<HHH', 0, 1, len(specs))
    offset = 6 + 16 * len(specs)
    for (w, h, b), blk in zip(specs, blocks):
        out += struct.pack('<BBBBHHII', w & 255, h & 255, 0, 0, 1, b, len(blk), offset)
        offset += len(blk)
    open(path, 'wb').write(out + b''.join(blocks))


icon('five.ico', [(16, 16, 8), (32, 32, 8), (16, 16, 32), (32, 32, 32), (48, 48, 32)])
icon('two.ico', [(16, 16, 32), (32, 32, 32)])
icon('one.ico', [(24, 24, 32)])
icon('main3.ico', [(16, 16, 32), (32, 32, 32), (48, 48, 32)])
