#!/usr/bin/env python3
"""Draws every picture in this folder: the four message-dialog icons, the builder's default
package icon and banner, the builder's toolbar pictures and the two character-set markers.
Run it from anywhere (python3 resources/make_artwork.py); it rewrites the files beside it."""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from qvdraw import (Canvas, arc, box, circle, ellipse, grow, ico_file, ico_image_32, ico_image_8,
                    linear, png_palette, png_rgba, polygon, radial, rgb, rotate, segment, stroke,
                    subtract, translate, union)

HERE = os.path.dirname(os.path.abspath(__file__))
# The window colour the 8-bit images' soft edges are composed over (Qt's default window colour).
WINDOW = (239, 239, 239)


def outline_width(size, design, minimum_px=1.0, units=1.5):
    """An outline of `units` design units, but never thinner than `minimum_px` pixels."""
    return max(units, minimum_px * design / size)


def outlined(canvas, shape, paint, edge, width):
    canvas.fill(grow(shape, width), edge)
    canvas.fill(shape, paint)


# ---------------------------------------------------------------- message-dialog icons (48 units)


def draw_exclamation(c, size):
    w = outline_width(size, 48)
    triangle = grow(polygon([(24, 7.5), (42.5, 39.5), (5.5, 39.5)]), 2.5)
    c.shadow(translate(triangle, 0.8, 1.6), 3.0, (0, 0, 0, 0.30))
    outlined(c, triangle, linear(0, 6, rgb("#ffe978"), 0, 42, rgb("#f5b700")), rgb("#b07800"), w)
    c.fill(grow(polygon([(21.8, 16), (26.2, 16), (25.2, 30.5), (22.8, 30.5)]), 0.6), rgb("#2b2200"))
    c.fill(circle(24, 35.4, 2.6), rgb("#2b2200"))


def draw_error(c, size):
    w = outline_width(size, 48)
    disc = circle(24, 24, 20.5)
    c.shadow(translate(disc, 0.8, 1.6), 3.0, (0, 0, 0, 0.30))
    outlined(c, disc, radial(18, 15, 30, rgb("#ff7a6e"), rgb("#c41a12")), rgb("#8a0e08"), w)
    r = max(2.9, 0.9 * 48 / size)
    c.fill(union(segment(16.5, 16.5, 31.5, 31.5, r), segment(31.5, 16.5, 16.5, 31.5, r)), rgb("#ffffff"))


def speech_bubble():
    body = box(4.5, 4.5, 43.5, 35.5, 8.0)
    tail = polygon([(11.5, 31), (22, 31), (8.5, 44.5)])
    return union(body, tail)


def draw_bubble(c, size):
    w = outline_width(size, 48)
    bubble = speech_bubble()
    c.shadow(translate(bubble, 0.8, 1.6), 3.0, (0, 0, 0, 0.28))
    outlined(c, bubble, linear(0, 4, rgb("#ffffff"), 0, 40, rgb("#dbe8f8")), rgb("#2a62b8"), w)


BLUE_LETTER = linear(0, 8, rgb("#3b8ae6"), 0, 32, rgb("#1450a8"))


def draw_information(c, size):
    draw_bubble(c, size)
    c.fill(circle(24, 11.8, 2.9), BLUE_LETTER)
    c.fill(union(box(21.4, 16.5, 26.6, 28.6, 0.8), box(19.2, 26.6, 28.8, 29.6, 0.6),
                 box(19.8, 16.5, 26.6, 18.8, 0.6)), BLUE_LETTER)


def draw_confirmation(c, size):
    draw_bubble(c, size)
    r = max(2.5, 0.85 * 48 / size)
    hook = arc(24, 14.8, 6.2, 5.6, 200, 430) + [(24, 24.6)]
    c.fill(stroke(hook, r), BLUE_LETTER)
    c.fill(circle(24, 29.6, 2.7), BLUE_LETTER)


MESSAGE_ICONS = [
    ("QVICON_EXCLAMATION", draw_exclamation),
    ("QVICON_ERROR", draw_error),
    ("QVICON_INFORMATION", draw_information),
    ("QVICON_CONFIRMATION", draw_confirmation),
]


def render(draw, size, design=48):
    canvas = Canvas(size, size, design)
    draw(canvas, size)
    return canvas.rgba()


def message_icon(draw):
    """16 and 32 at 8 bits, then 16, 32 and 48 at 32 bits, in this order."""
    r = {size: render(draw, size) for size in (16, 32, 48)}
    return ico_file([(16, 8, ico_image_8(16, r[16], WINDOW)), (32, 8, ico_image_8(32, r[32], WINDOW)),
                     (16, 32, ico_image_32(16, r[16])), (32, 32, ico_image_32(32, r[32])),
                     (48, 32, ico_image_32(48, r[48]))])


# ---------------------------------------------------------------- the builder's package icon


def tile(cx, cy, half, degrees):
    return rotate(box(cx - half, cy - half, cx + half, cy + half, half * 0.35), degrees, cx, cy)


def draw_package_icon(c, size):
    w = outline_width(size, 48)
    c.shadow(ellipse(24, 44, 19, 3.2), 3.0, (0, 0, 0, 0.30))
    tiles = [(11.5, 17.5, -20, "#ff8a5c", "#d9361b"), (36.5, 17.5, 20, "#7cd66b", "#2e9a2a"),
             (24, 12.5, 0, "#6fb6ff", "#1c63c9")]
    for cx, cy, degrees, top, bottom in tiles:
        shape = tile(cx, cy, 8.0, degrees)
        outlined(c, shape, linear(0, cy - 8, rgb(top), 0, cy + 8, rgb(bottom)), rgb("#303840"), w)
        c.fill(rotate(circle(cx, cy, 3.0), degrees, cx, cy), rgb("#ffffff", 0.9))
    front = polygon([(7.5, 27), (40.5, 27), (38, 44), (10, 44)])
    outlined(c, front, linear(0, 27, rgb("#f2b86a"), 0, 44, rgb("#c07a2a")), rgb("#6e4212"), w)
    rim = box(5, 24.5, 43, 30, 1.6)
    outlined(c, rim, linear(0, 24, rgb("#d99b4c"), 0, 30, rgb("#9d5f1e")), rgb("#6e4212"), w)
    c.fill(box(19.5, 34, 28.5, 37.5, 1.2), rgb("#6e4212", 0.55))  # the box's hand hole


# ---------------------------------------------------------------- banner lettering


def letter_strokes(ch):
    """Strokes of a letter in units of the x-height (y 0 at the x-height, 1 at the baseline)."""
    if ch == "Q":
        return 0.98, [arc(0.49, 0.28, 0.49, 0.72, 0, 360, 36), [(0.6, 0.72), (1.0, 1.12)]]
    if ch == "u":
        return 0.8, [[(0, 0)] + arc(0.4, 0.6, 0.4, 0.4, 180, 0), [(0.8, 0), (0.8, 1)]]
    if ch == "o":
        return 0.86, [arc(0.43, 0.5, 0.43, 0.5, 0, 360, 30)]
    if ch == "r":
        return 0.58, [[(0, 0), (0, 1)], arc(0.5, 0.52, 0.5, 0.5, 180, 275)]
    if ch == "v":
        return 0.84, [[(0, 0), (0.42, 1), (0.84, 0)]]
    if ch == "a":
        return 0.82, [arc(0.4, 0.52, 0.4, 0.48, 0, 360, 30), [(0.82, 0), (0.82, 1)]]
    if ch == "n":
        return 0.8, [[(0, 0), (0, 1)], arc(0.4, 0.42, 0.4, 0.42, 180, 360) + [(0.8, 1)]]
    if ch == "e":
        return 0.86, [[(0, 0.5), (0.86, 0.5)], arc(0.43, 0.5, 0.43, 0.5, 0, -315)]
    raise ValueError(ch)


def text_shape(text, x, baseline, xheight, weight, spacing=0.34):
    strokes = []
    for ch in text:
        width, parts = letter_strokes(ch)
        for part in parts:
            strokes.append(stroke([(x + px * xheight, baseline - xheight + py * xheight) for px, py in part],
                                  weight))
        x += (width + spacing) * xheight
    return union(*strokes), x


def text_width(text, xheight, spacing=0.34):
    return sum(letter_strokes(ch)[0] + spacing for ch in text) * xheight - spacing * xheight


def banner():
    width, height = 88, 31
    c = Canvas(width, height)
    c.fill(box(0, 0, width, height), linear(0, 0, rgb("#1f4f96"), 0, height, rgb("#0f2a55")))
    c.fill(subtract(box(0, 0, width, height), box(1, 1, width - 1, height - 1)), rgb("#7fb0ee"))
    icon_size = 21
    icon = Canvas(icon_size, icon_size, 48)
    draw_package_icon(icon, icon_size)
    for i, p in enumerate(icon.pixels):
        if p[3] > 0:
            c.blend(3 + i % icon_size, 5 + i // icon_size, tuple(v / p[3] for v in p[:3]) + (1.0,), p[3])
    xheight = 6.6
    left, right = 26, width - 3
    x = left + (right - left - text_width("Quorvane", xheight)) / 2
    shape, _ = text_shape("Quorvane", x, 20.5, xheight, 0.78)
    c.fill(translate(shape, 0.6, 0.8), (0, 0, 0, 0.45))
    c.fill(shape, linear(0, 10, rgb("#ffffff"), 0, 22, rgb("#cfe2ff")))
    return png_palette(width, height, [p[:3] for p in c.rgba()])


# ---------------------------------------------------------------- toolbar pictures (24 units)

INK = rgb("#2e3436")


def page(c, w):
    sheet = polygon([(5, 2.5), (14, 2.5), (19.5, 8), (19.5, 21.5), (5, 21.5)])
    outlined(c, sheet, linear(0, 2, rgb("#ffffff"), 0, 22, rgb("#e4e8ec")), rgb("#6a7178"), w)
    c.fill(polygon([(14, 2.5), (14, 8), (19.5, 8)]), rgb("#b8c0c8"))


def folder(c, w):
    back = box(2.5, 5, 21.5, 20, 1.2)
    outlined(c, union(back, box(2.5, 3.5, 10, 7, 1)), rgb("#c89a2e"), rgb("#7a5a10"), w)
    front = polygon([(5, 9.5), (23, 9.5), (20.5, 20), (2.5, 20)])
    outlined(c, front, linear(0, 9, rgb("#ffd870"), 0, 20, rgb("#e7a923")), rgb("#7a5a10"), w)


def floppy(c, w, x=0.0, y=0.0):
    disk = translate(box(3, 3, 21, 21, 2), x, y)
    outlined(c, disk, linear(0, 3, rgb("#4f8fe0"), 0, 21, rgb("#23569f")), rgb("#173a6e"), w)
    c.fill(translate(box(7, 3.5, 17, 10, 0.8), x, y), rgb("#f4f6f8"))
    c.fill(translate(box(13.5, 4.5, 15.5, 9, 0.4), x, y), rgb("#23569f"))
    c.fill(translate(box(6.5, 14, 17.5, 20.5, 0.8), x, y), rgb("#1c3558"))


def pencil(c, w):
    body = rotate(box(9, 16, 23, 20, 0.6), -45, 16, 18)
    outlined(c, body, rgb("#f7c948"), rgb("#6b4d00"), w * 0.8)
    c.fill(polygon([(9.6, 21.6), (11.1, 17.3), (13.9, 20.1)]), rgb("#3b3b3b"))


def arrow(c, up, colour_top, colour_bottom, edge, w):
    points = [(12, 2.5), (21, 12), (15.5, 12), (15.5, 21.5), (8.5, 21.5), (8.5, 12), (3, 12)]
    if not up:
        points = [(x, 24 - y) for x, y in points]
    shape = grow(polygon(points), 0.4)
    outlined(c, shape, linear(0, 2, rgb(colour_top), 0, 22, rgb(colour_bottom)), rgb(edge), w)


def red_cross(c, w, cx=12, cy=12, half=7.5):
    r = max(2.0, 0.9 * w)
    cross = union(segment(cx - half, cy - half, cx + half, cy + half, r),
                  segment(cx + half, cy - half, cx - half, cy + half, r))
    outlined(c, cross, linear(0, cy - half, rgb("#ff6b5e"), 0, cy + half, rgb("#c4160d")), rgb("#7e0a04"), w * 0.8)


def icon_tile(c, w, x, y, colour_top, colour_bottom, half=5.5):
    shape = box(x - half, y - half, x + half, y + half, 2.0)
    outlined(c, shape, linear(0, y - half, rgb(colour_top), 0, y + half, rgb(colour_bottom)), rgb("#303840"), w)
    c.fill(circle(x, y, half * 0.38), rgb("#ffffff", 0.9))


def cog_points(cx, cy, outer, inner, teeth):
    import math
    points = []
    for i in range(teeth * 4):
        a = math.radians(360.0 * i / (teeth * 4) - 360.0 / (teeth * 8))
        r = outer if i % 4 in (1, 2) else inner
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def cog(cx, cy, outer, inner, teeth):
    return polygon(cog_points(cx, cy, outer, inner, teeth))


def tb_new(c, w):
    page(c, w)
    c.fill(grow(polygon([(7, 1), (8.2, 4.8), (12, 6), (8.2, 7.2), (7, 11), (5.8, 7.2), (2, 6), (5.8, 4.8)]), 0.2),
           rgb("#f5b700"))


def tb_open(c, w):
    folder(c, w)


def tb_save(c, w):
    floppy(c, w)


def tb_save_as(c, w):
    floppy(c, w, -1.5, -1.5)
    pencil(c, w)


def tb_compile(c, w):
    gear = subtract(cog(12, 12, 10, 7.4, 8), circle(12, 12, 3.2))
    outlined(c, gear, linear(0, 2, rgb("#ffb35c"), 0, 22, rgb("#d8650b")), rgb("#7a3300"), w)


def tb_compress(c, w):
    outlined(c, box(5, 8.5, 19, 15.5, 1.5), linear(0, 8, rgb("#f2b86a"), 0, 16, rgb("#c07a2a")), rgb("#6e4212"), w)
    for top in (True, False):
        tip, base = (7.5, 1.5) if top else (16.5, 22.5)
        shape = grow(polygon([(12, tip), (16.5, (tip + base) / 2), (7.5, (tip + base) / 2)]), 0.3)
        shape = union(shape, box(10.5, min(base, (tip + base) / 2), 13.5, max(base, (tip + base) / 2)))
        outlined(c, shape, rgb("#3b7fd6"), rgb("#173a6e"), w * 0.8)


def tb_run(c, w):
    play = grow(polygon([(7, 4), (20, 12), (7, 20)]), 1.2)
    outlined(c, play, linear(0, 3, rgb("#7fe06a"), 0, 21, rgb("#2c9a25")), rgb("#1b5e16"), w)


def tb_kill(c, w):
    outlined(c, box(4.5, 4.5, 19.5, 19.5, 2.5), linear(0, 4, rgb("#ff6b5e"), 0, 20, rgb("#c4160d")),
             rgb("#7e0a04"), w)


def tb_add_icon(c, w):
    icon_tile(c, w, 10, 10, "#6fb6ff", "#1c63c9", 7)
    plus = union(box(15, 11.5, 18, 22.5, 0.6), box(11, 15.5, 22, 18.5, 0.6))
    outlined(c, plus, rgb("#3fbf3a"), rgb("#1b5e16"), w * 0.8)


def tb_delete(c, w):
    red_cross(c, w)


def tb_delete_all(c, w):
    icon_tile(c, w, 8, 8, "#7cd66b", "#2e9a2a", 5.5)
    icon_tile(c, w, 14, 14, "#6fb6ff", "#1c63c9", 5.5)
    red_cross(c, w, 15.5, 15.5, 5.5)


def tb_up(c, w):
    arrow(c, True, "#6fb6ff", "#1c63c9", "#0f3a7a", w)


def tb_down(c, w):
    arrow(c, False, "#6fb6ff", "#1c63c9", "#0f3a7a", w)


def tb_about(c, w):
    outlined(c, circle(12, 12, 10), radial(9, 8, 14, rgb("#6fb6ff"), rgb("#1c63c9")), rgb("#0f3a7a"), w)
    c.fill(circle(12, 7, 1.8), rgb("#ffffff"))
    c.fill(union(box(10.4, 10, 13.6, 17.5, 0.5), box(9, 16, 15, 18, 0.4)), rgb("#ffffff"))


def tb_exit(c, w):
    outlined(c, box(4, 2.5, 15, 21.5, 0.8), linear(0, 2, rgb("#b07a48"), 0, 22, rgb("#7a4a22")), rgb("#3f2610"), w)
    c.fill(circle(12.5, 12.5, 1.1), rgb("#f5d070"))
    outlined(c, grow(polygon([(15, 9), (20, 12), (15, 15)]), 0.3), rgb("#3fbf3a"), rgb("#1b5e16"), w * 0.8)
    c.fill(box(10.5, 11, 16, 13.5, 0.3), rgb("#3fbf3a"))


def tb_package_icon(c, w):
    c.fill(box(0, 0, 24, 24), (0, 0, 0, 0))
    draw_scaled(c, draw_package_icon)


def tb_banner(c, w):
    outlined(c, box(1.5, 6, 22.5, 18, 1.2), linear(0, 6, rgb("#2f6db5"), 0, 18, rgb("#0f2a55")), rgb("#0b1d3a"), w)
    c.fill(stroke([(5, 15), (9, 10), (12, 13), (15, 9.5), (19.5, 15)], 1.0), rgb("#ffffff"))


def draw_scaled(c, draw):
    """Draws a 48-unit design into a 24-unit canvas."""
    full = Canvas(c.width, c.height, 48)
    draw(full, c.width)
    c.pixels = full.pixels


def marker(*letter_strokes):
    """A small card with one letter: which character set a builder page holds."""
    def draw(c, w):
        outlined(c, box(1.5, 3, 22.5, 21, 3), linear(0, 3, rgb("#ffffff"), 0, 21, rgb("#d6dde5")), rgb("#56606a"), w)
        c.fill(union(*[stroke(points, 1.6) for points in letter_strokes]), INK)
    return draw


TOOLBAR = [
    ("new", tb_new), ("open", tb_open), ("save", tb_save), ("save_as", tb_save_as),
    ("compile", tb_compile), ("compress", tb_compress), ("run", tb_run), ("kill", tb_kill),
    ("add_icon", tb_add_icon), ("delete", tb_delete), ("delete_all", tb_delete_all),
    ("up", tb_up), ("down", tb_down), ("about", tb_about), ("exit", tb_exit),
    ("package_icon", tb_package_icon), ("banner", tb_banner),
    ("charset_ansi", marker([(6.5, 17.5), (12, 6.5), (17.5, 17.5)], [(8.8, 13.6), (15.2, 13.6)])),
    ("charset_unicode", marker([(6.8, 6.5)] + arc(12, 12.3, 5.2, 5.2, 180, 0) + [(17.2, 6.5)])),
]


def toolbar_picture(draw, size):
    c = Canvas(size, size, 24)
    draw(c, outline_width(size, 24, 1.0, 1.0))
    return png_rgba(size, size, c.rgba())


# ---------------------------------------------------------------- output


def write(path, data):
    full = os.path.join(HERE, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as f:
        f.write(data)
    print("wrote", path)


def main():
    for name, draw in MESSAGE_ICONS:
        write("dialog/%s.ico" % name, message_icon(draw))
    r = {size: render(draw_package_icon, size) for size in (16, 32, 48)}
    write("builder/MAINICONDEFAULT.ico", ico_file([(s, 32, ico_image_32(s, r[s])) for s in (16, 32, 48)]))
    write("builder/BANNERIMAGE.png", banner())
    entries = []
    for name, draw in TOOLBAR:
        for size in (16, 24):
            file_name = "%s_%d.png" % (name, size)
            write("toolbar/" + file_name, toolbar_picture(draw, size))
            entries.append('    <file alias="toolbar/%s">%s</file>\n' % (file_name, file_name))
    write("toolbar/toolbar.qrc", ("<RCC>\n  <qresource prefix=\"/\">\n" + "".join(entries) +
                                  "  </qresource>\n</RCC>\n").encode())


if __name__ == "__main__":
    main()
