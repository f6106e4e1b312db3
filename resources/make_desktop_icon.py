#!/usr/bin/env python3
"""Draws the builder's desktop icon: the package box of the default package icon with a gear in
front of it, as PNG files in the sizes of the freedesktop icon theme and as one SVG file, into
desktop/icons/hicolor/. The picture is described once, as shapes that both the raster painter
(qvdraw) and the SVG writer understand, so every size shows the same drawing.
Run it from anywhere (python3 resources/make_desktop_icon.py); it rewrites the files."""

import math
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_artwork import cog, cog_points, outline_width, write  # noqa: E402
from qvdraw import Canvas, box, circle, ellipse, linear, png_rgba, polygon, rgb, rotate, subtract, translate  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
DESIGN = 48  # design units across the icon
NAME = "quorvane-builder"

# ---------------------------------------------------------------- shapes with two renderings


class Shape:
    """A signed-distance function for the painter and the same outline as SVG path data."""

    def __init__(self, sdf, path):
        self.sdf, self.path = sdf, path


def fmt(v):
    return ("%.3f" % v).rstrip("0").rstrip(".")


def turn(points, degrees, cx, cy):
    """Points turned clockwise (y points down) around (cx, cy), like qvdraw.rotate."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def rounded_box(x0, y0, x1, y1, r, degrees=0.0):
    """A box with corners of radius r, turned around its centre."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    corners = [(x0 + r, y0), (x1 - r, y0), (x1, y0 + r), (x1, y1 - r), (x1 - r, y1), (x0 + r, y1),
               (x0, y1 - r), (x0, y0 + r)]
    p = turn(corners, degrees, cx, cy)
    arc = "A%s %s 0 0 1 " % (fmt(r), fmt(r))
    path = "M%s %sL%s %s" % (*map(fmt, p[0]), *map(fmt, p[1]))
    for i in (2, 4, 6):
        path += arc + "%s %sL%s %s" % (*map(fmt, p[i]), *map(fmt, p[i + 1]))
    path += arc + "%s %sZ" % tuple(map(fmt, p[0]))
    return Shape(rotate(box(x0, y0, x1, y1, r), degrees, cx, cy), path)


def round_shape(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    sdf = circle(cx, cy, rx) if rx == ry else ellipse(cx, cy, rx, ry)
    path = "M%s %sA%s %s 0 1 1 %s %sA%s %s 0 1 1 %s %sZ" % (
        fmt(cx - rx), fmt(cy), fmt(rx), fmt(ry), fmt(cx + rx), fmt(cy), fmt(rx), fmt(ry), fmt(cx - rx), fmt(cy))
    return Shape(sdf, path)


def polygon_shape(points):
    return Shape(polygon(points), "M" + "L".join("%s %s" % (fmt(x), fmt(y)) for x, y in points) + "Z")


def gear(cx, cy, outer, inner, teeth, hole):
    ring = polygon_shape(cog_points(cx, cy, outer, inner, teeth))
    axle = round_shape(cx, cy, hole)
    return Shape(subtract(cog(cx, cy, outer, inner, teeth), axle.sdf), ring.path + axle.path)


# ---------------------------------------------------------------- the picture


class Vertical:
    """A top-to-bottom gradient between two colours."""

    def __init__(self, y0, top, y1, bottom):
        self.y0, self.top, self.y1, self.bottom = y0, rgb(top), y1, rgb(bottom)

    def painter(self):
        return linear(0, self.y0, self.top, 0, self.y1, self.bottom)


def solid(hex_colour, alpha=1.0):
    return rgb(hex_colour, alpha)


def picture():
    """The layers from back to front: ("shadow", shape, softness, colour, offset) and
    ("fill", shape, paint, outline colour or None)."""
    layers = [("shadow", round_shape(22, 44, 18, 3.2), 3.0, (0, 0, 0, 0.30), (0, 0))]
    for cx, cy, degrees, top, bottom in [(10.5, 17.5, -20, "#ff8a5c", "#d9361b"),
                                         (35.5, 17.5, 20, "#7cd66b", "#2e9a2a"),
                                         (23, 12.5, 0, "#6fb6ff", "#1c63c9")]:
        layers.append(("fill", rounded_box(cx - 8, cy - 8, cx + 8, cy + 8, 2.8, degrees),
                       Vertical(cy - 8, top, cy + 8, bottom), "#303840"))
        layers.append(("fill", round_shape(cx, cy, 3.0), solid("#ffffff", 0.9), None))
    layers += [
        ("fill", polygon_shape([(6.5, 27), (39.5, 27), (37, 44), (9, 44)]),
         Vertical(27, "#f2b86a", 44, "#c07a2a"), "#6e4212"),
        ("fill", rounded_box(4, 24.5, 42, 30, 1.6), Vertical(24, "#d99b4c", 30, "#9d5f1e"), "#6e4212"),
        ("fill", rounded_box(15.5, 34, 24.5, 37.5, 1.2), solid("#6e4212", 0.55), None),
    ]
    wheel = gear(36.5, 36.5, 10.2, 7.6, 8, 3.3)
    layers.append(("shadow", wheel, 2.0, (0, 0, 0, 0.35), (0.6, 1.2)))
    layers.append(("fill", wheel, Vertical(26, "#ffb35c", 47, "#d8650b"), "#7a3300"))
    return layers


# ---------------------------------------------------------------- raster and SVG


def raster(size):
    c = Canvas(size, size, DESIGN)
    w = outline_width(size, DESIGN)
    for layer in picture():
        if layer[0] == "shadow":
            _, shape, softness, colour, (dx, dy) = layer
            c.shadow(translate(shape.sdf, dx, dy), softness, colour)
            continue
        _, shape, paint, edge = layer
        fill = paint.painter() if isinstance(paint, Vertical) else paint
        if edge:
            c.fill(lambda x, y, s=shape.sdf: s(x, y) - w, rgb(edge))
        c.fill(shape.sdf, fill)
    return png_rgba(size, size, c.rgba())


def svg_colour(colour):
    return "#%02x%02x%02x" % tuple(int(round(v * 255)) for v in colour[:3])


def svg():
    w = outline_width(DESIGN, DESIGN)
    defs, body = [], []
    for index, layer in enumerate(picture()):
        if layer[0] == "shadow":
            _, shape, softness, colour, (dx, dy) = layer
            defs.append('<filter id="s%d" x="-50%%" y="-50%%" width="200%%" height="200%%">'
                        '<feGaussianBlur stdDeviation="%s"/></filter>' % (index, fmt(softness / 2.5)))
            body.append('<path d="%s" transform="translate(%s %s)" fill="%s" fill-opacity="%s" '
                        'filter="url(#s%d)"/>' % (shape.path, fmt(dx), fmt(dy), svg_colour(colour),
                                                  fmt(colour[3]), index))
            continue
        _, shape, paint, edge = layer
        if isinstance(paint, Vertical):
            defs.append('<linearGradient id="g%d" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" y2="%s">'
                        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
                        % (index, fmt(paint.y0), fmt(paint.y1), svg_colour(paint.top), svg_colour(paint.bottom)))
            fill = 'fill="url(#g%d)"' % index
        else:
            fill = 'fill="%s" fill-opacity="%s"' % (svg_colour(paint), fmt(paint[3]))
        if edge:
            body.append('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" '
                        'fill-rule="evenodd"/>' % (shape.path, edge, edge, fmt(2 * w)))
        body.append('<path d="%s" %s fill-rule="evenodd"/>' % (shape.path, fill))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs>\n%s\n</defs>\n%s\n</svg>\n' % (DESIGN, DESIGN, DESIGN, DESIGN, "\n".join(defs), "\n".join(body))
            ).encode()


def main():
    base = "desktop/icons/hicolor/"
    for size in SIZES:
        write("%s%dx%d/apps/%s.png" % (base, size, size, NAME), raster(size))
    write("%sscalable/apps/%s.svg" % (base, NAME), svg())


if __name__ == "__main__":
    main()
