# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Turns the icon's PNG files into C++ arrays of premultiplied ARGB pixels, so that the program
shows its icon without decoding an image at start-up (Qt's image reader would load every
image-format plugin to ask which can read it).
    png_to_pixels.py OUTPUT.cpp ICON.png...   (8-bit RGBA, not interlaced, as rsvg-convert writes)"""

import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG file"
    position, compressed = 8, b""
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        chunk = data[position + 8:position + 8 + length]
        position += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
            assert (depth, colour, interlace) == (8, 6, 0), f"{path}: not 8-bit RGBA"
        elif kind == b"IDAT":
            compressed += chunk
    raw, stride, rows, previous = zlib.decompress(compressed), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = row[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                row[x] = (row[x] + left) & 255
            elif kind == 2:
                row[x] = (row[x] + up) & 255
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - corner), 2, corner))[2]
                row[x] = (row[x] + nearest) & 255
        rows.append(row)
        previous = row
    return width, height, rows


def main(output, *pngs):
    lines = ["// Generated from the icon's PNG files when the program is built.",
             '#include "window/qt/program_icon_pixels.h"', "", "namespace zefra::qt {",
             "namespace {", ""]
    entries = []
    for index, path in enumerate(pngs):
        width, height, rows = read_png(path)
        pixels = []
        for row in rows:
            for x in range(width):
                red, green, blue, alpha = row[4 * x:4 * x + 4]
                pixels.append((alpha << 24) | (red * alpha // 255 << 16)
                              | (green * alpha // 255 << 8) | (blue * alpha // 255))
        lines.append(f"constexpr std::uint32_t kImage{index}[] = {{")
        for start in range(0, len(pixels), 8):
            lines.append("    " + ", ".join(f"0x{p:08x}" for p in pixels[start:start + 8]) + ",")
        lines += ["};", ""]
        entries.append(f"    {{{width}, {height}, kImage{index}}},")
    lines += ["}  // namespace", "",
              f"const std::array<IconPixels, {len(pngs)}> kProgramIconPixels{{{{", *entries,
              "}};", "", "}  // namespace zefra::qt", ""]
    open(output, "w").write("\n".join(lines))


if __name__ == "__main__":
    main(*sys.argv[1:])
