# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Makes the maskable form of the program's icon, which a phone cuts to its own shape (a circle,
a rounded square): the same drawing, shrunk into the middle four fifths, where every shape of
mask leaves it whole, on a square filled to the edges with the ball's own colour.
    make_maskable_icon.py ICON.svg OUT.svg"""

import sys
import xml.etree.ElementTree as ET

SVG = "http://www.w3.org/2000/svg"
SAFE_ZONE = 0.8  # the part of the width that no mask cuts into


def main():
    source, out = sys.argv[1:]
    ET.register_namespace("", SVG)
    icon = ET.parse(source).getroot()
    left, top, width, height = (float(n) for n in icon.get("viewBox").split())
    drawing = [child for child in icon if child.tag != f"{{{SVG}}}title"]
    ball = next(child for child in drawing if child.tag == f"{{{SVG}}}circle")
    cx, cy = left + width / 2, top + height / 2
    shrunk = ET.Element(f"{{{SVG}}}g", transform=f"translate({cx} {cy}) scale({SAFE_ZONE}) "
                                                 f"translate({-cx} {-cy})")
    for child in drawing:
        icon.remove(child)
        shrunk.append(child)
    icon.append(ET.Element(f"{{{SVG}}}rect", x=str(left), y=str(top), width=str(width),
                           height=str(height), fill=ball.get("fill")))
    icon.append(shrunk)
    ET.ElementTree(icon).write(out, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
