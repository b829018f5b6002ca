# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Writes a Windows icon file from the character drawing in zefra-icon.txt: each image becomes
a device-independent bitmap of 1 bit (2 colours) or 4 bits (16 colours) a pixel, with its
transparency mask."""

import struct
import sys

# The 16-colour palette is the standard VGA one; a 2-colour image uses black and white.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PALETTES = {2: [(0, 0, 0), (255, 255, 255)], 16: VGA_PALETTE}
INDEX = {
    2: {".": 0, "K": 0, "W": 1},
    16: {".": 0, "K": 0, "D": 8, "S": 7, "W": 15},
}


def read_images(path):
    images = []
    for line in open(path, encoding="ascii"):
        line = line.rstrip("\n")
        if line.startswith("#") or not line:
            continue
        if line.startswith("image "):
            size, colours = line.split()[1:]
            width, height = map(int, size.split("x"))
            images.append({"width": width, "height": height, "colours": int(colours), "rows": []})
        else:
            images[-1]["rows"].append(line)
    for image in images:
        if len(image["rows"]) != image["height"] or any(
                len(row) != image["width"] for row in image["rows"]):
            sys.exit(f"{path}: a {image['width']}x{image['height']} image of another size")
    return images


def packed_rows(rows, bits, value_of):
    """Bottom-up rows of `bits`-bit values, each padded to a multiple of four bytes."""
    data = bytearray()
    for row in reversed(rows):
        accumulator, filled, line = 0, 0, bytearray()
        for character in row:
            accumulator = (accumulator << bits) | value_of(character)
            filled += bits
            if filled == 8:
                line.append(accumulator)
                accumulator, filled = 0, 0
        if filled:
            line.append(accumulator << (8 - filled))
        line.extend(b"\0" * (-len(line) % 4))
        data += line
    return data


def bitmap(image):
    colours, rows = image["colours"], image["rows"]
    bits = {2: 1, 16: 4}[colours]
    try:
        colour_bits = packed_rows(rows, bits, lambda c: INDEX[colours][c])
    except KeyError as unknown:
        sys.exit(f"character {unknown} is not one of the {colours}-colour image's")
    mask_bits = packed_rows(rows, 1, lambda c: 1 if c == "." else 0)
    header = struct.pack("<IiiHHIIiiII", 40, image["width"], 2 * image["height"], 1, bits, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, colours, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTES[colours])
    return header + palette + colour_bits + mask_bits, bits


def main(source, target):
    images = read_images(source)
    bitmaps = [bitmap(image) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, payload = b"", b""
    for image, (data, bits) in zip(images, bitmaps):
        entries += struct.pack("<BBBBHHII", image["width"] % 256, image["height"] % 256,
                               image["colours"] % 256, 0, 1, bits, len(data), offset)
        payload += data
        offset += len(data)
    with open(target, "wb") as out:
        out.write(directory + entries + payload)


if __name__ == "__main__":
    main(*sys.argv[1:])
