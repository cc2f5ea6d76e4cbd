#!/usr/bin/env python3
"""Writes a Windows .ico whose images are 24-bit colour with a 1-bit mask.

Usage: make-icon-ico.py OUT.ico SIZE:RAW.rgba ...
Each RAW.rgba is SIZE x SIZE pixels of 8-bit RGBA, top row first. A pixel is
opaque in the mask when its alpha is at least half.
"""
import struct
import sys


def bmp_image(size: int, rgba: bytes) -> bytes:
    if len(rgba) != size * size * 4:
        raise SystemExit(f"expected {size * size * 4} bytes of RGBA, got {len(rgba)}")
    # BITMAPINFOHEADER: the height counts the colour and the mask rows.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    colour_stride = (size * 3 + 3) & ~3
    mask_stride = ((size + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        row = bytearray()
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = rgba[(y * size + x) * 4:(y * size + x) * 4 + 4]
            if a >= 128:
                row += bytes((b, g, r))
            else:
                row += b"\0\0\0"  # clear pixels: black under a set mask bit
                bits[x // 8] |= 0x80 >> (x % 8)
        row += bytes(colour_stride - len(row))
        colour += row
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main() -> None:
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    images = []
    for arg in sys.argv[2:]:
        size_text, path = arg.split(":", 1)
        size = int(size_text)
        with open(path, "rb") as f:
            images.append((size, bmp_image(size, f.read())))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
