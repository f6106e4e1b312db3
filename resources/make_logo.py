#!/usr/bin/env python3
"""Draws the about dialog's logo (180 x 300): the builder's package icon on a blue panel with the
name below it, and the Qt resource file that builds it into the builder.
Run it from anywhere (python3 resources/make_logo.py); it rewrites builder/LOGO.png and
builder/logo.qrc beside it."""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_artwork import draw_package_icon, text_shape, text_width, write  # noqa: E402
from qvdraw import Canvas, box, linear, png_rgba, rgb, translate  # noqa: E402

WIDTH, HEIGHT = 180, 300


def logo():
    c = Canvas(WIDTH, HEIGHT)
    c.fill(box(0, 0, WIDTH, HEIGHT), linear(0, 0, rgb("#2b63b5"), 0, HEIGHT, rgb("#0c2247")))
    icon_size = 128
    icon = Canvas(icon_size, icon_size, 48)
    draw_package_icon(icon, icon_size)
    left, top = (WIDTH - icon_size) // 2, 60
    for i, p in enumerate(icon.pixels):
        if p[3] > 0:
            c.blend(left + i % icon_size, top + i // icon_size, tuple(v / p[3] for v in p[:3]) + (1.0,), p[3])
    xheight = 13.0
    x = (WIDTH - text_width("Quorvane", xheight)) / 2
    shape, _ = text_shape("Quorvane", x, 236, xheight, 0.78)
    c.fill(translate(shape, 1.0, 1.4), (0, 0, 0, 0.45))
    c.fill(shape, linear(0, 215, rgb("#ffffff"), 0, 240, rgb("#cfe2ff")))
    return png_rgba(WIDTH, HEIGHT, c.rgba())


def main():
    write("builder/LOGO.png", logo())
    write("builder/logo.qrc", b'<RCC>\n  <qresource prefix="/">\n'
          b'    <file alias="about/logo.png">LOGO.png</file>\n  </qresource>\n</RCC>\n')


if __name__ == "__main__":
    main()
