#!/usr/bin/env python3
"""Packs pictures into a Windows icon (.ico) or cursor (.cur) file, byte for byte the
same on every run. Each entry is taken whole: a PNG file is stored as PNG, which Windows
reads in icons and cursors since Vista; an entry of an existing .ico file is copied as it
is. A cursor's hot spot is the top-left corner (0, 0).

    windows_icons.py ico|cur OUT ENTRY...   (ENTRY: picture.png, or icon.ico#N for entry N)
"""
import struct
import sys


def png_entry(path):
    data = open(path, "rb").read()
    width, height = struct.unpack(">II", data[16:24])
    return width, height, 0, 32, data  # colours 0: more than 256; 32 bits per pixel


def ico_entry(path, index):
    data = open(path, "rb").read()
    _, _, count = struct.unpack("<HHH", data[:6])
    width, height, colours, _, planes, bits, size, offset = struct.unpack(
        "<BBBBHHII", data[6 + 16 * index:22 + 16 * index])
    assert index < count
    return width or 256, height or 256, colours, bits, data[offset:offset + size]


def main(kind, out, entries):
    pictures = [ico_entry(*e.split("#")[:1], int(e.split("#")[1])) if "#" in e else png_entry(e)
                for e in entries]
    header = struct.pack("<HHH", 0, 1 if kind == "ico" else 2, len(pictures))
    directory, offset = b"", 6 + 16 * len(pictures)
    for width, height, colours, bits, data in pictures:
        # An icon gives its planes and bits per pixel here; a cursor its hot spot.
        planes_or_x, bits_or_y = (1, bits) if kind == "ico" else (0, 0)
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0,
                                 planes_or_x, bits_or_y, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + directory + b"".join(p[4] for p in pictures))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
