"""Small vector painter for the project's artwork: shapes are signed distance functions, painted
with 8 x 8 supersampling on their edges, written as PNG (RGBA or palette) and ICO files.
Python 3 standard library only, so that anyone can redraw the artwork."""

import math
import struct
import zlib

SUPERSAMPLE = 8

# ---------------------------------------------------------------- shapes (signed distances)
# A shape is a function (x, y) -> distance to its edge, negative inside, in design units. Every
# shape here moves by at most one unit per unit step, which lets the painter skip sampling far
# from an edge.


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    # Not an exact distance, but scaled to move at most one unit per unit near the edge.
    k = min(rx, ry)
    return lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def sd(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sd


def segment(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-12

    def sd(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return sd


def stroke(points, r):
    """A polyline of width 2r with round joins and caps."""
    return union(*[segment(*points[i], *points[i + 1], r) for i in range(len(points) - 1)])


def arc(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an elliptic arc, angles in degrees (0 = right, 90 = down)."""
    steps = steps or max(4, int(abs(a1 - a0) / 12))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def polygon(points):
    n = len(points)

    def sd(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / ((ex * ex + ey * ey) or 1e-12)))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -d if inside else d
    return sd


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def grow(shape, d):
    """The shape widened by d (narrowed when negative); corners get rounded."""
    return lambda x, y: shape(x, y) - d


def translate(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def rotate(shape, degrees, cx, cy):
    """The shape turned clockwise (y points down) by `degrees` around (cx, cy)."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return lambda x, y: shape(cx + (x - cx) * c + (y - cy) * s, cy - (x - cx) * s + (y - cy) * c)


# ---------------------------------------------------------------- paints


def rgb(hex_colour, alpha=1.0):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16 & 255) / 255, (v >> 8 & 255) / 255, (v & 255) / 255, alpha)


def linear(x0, y0, c0, x1, y1, c1):
    """A linear gradient from colour c0 at (x0, y0) to c1 at (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-12

    def paint(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return paint


def radial(cx, cy, r, c0, c1):
    def paint(x, y):
        t = max(0.0, min(1.0, math.hypot(x - cx, y - cy) / r))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return paint


# ---------------------------------------------------------------- canvas


class Canvas:
    """Premultiplied RGBA pixels; the design space is `design` units across the canvas width."""

    def __init__(self, width, height, design=None):
        self.width, self.height = width, height
        self.scale = (design or width) / width  # design units per pixel
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def coverage(self, shape, px, py):
        s = self.scale
        d = shape((px + 0.5) * s, (py + 0.5) * s)
        if d > 0.75 * s:
            return 0.0
        if d < -0.75 * s:
            return 1.0
        inside = 0
        step = 1.0 / SUPERSAMPLE
        for j in range(SUPERSAMPLE):
            y = (py + (j + 0.5) * step) * s
            for i in range(SUPERSAMPLE):
                if shape((px + (i + 0.5) * step) * s, y) <= 0:
                    inside += 1
        return inside / (SUPERSAMPLE * SUPERSAMPLE)

    def fill(self, shape, paint, opacity=1.0):
        sample = paint if callable(paint) else (lambda x, y: paint)
        for py in range(self.height):
            for px in range(self.width):
                c = self.coverage(shape, px, py)
                if c > 0:
                    self.blend(px, py, sample((px + 0.5) * self.scale, (py + 0.5) * self.scale), c * opacity)

    def shadow(self, shape, softness, colour=(0, 0, 0, 0.35)):
        """A soft-edged fill: full inside, fading out over `softness` design units."""
        for py in range(self.height):
            for px in range(self.width):
                d = shape((px + 0.5) * self.scale, (py + 0.5) * self.scale)
                t = max(0.0, min(1.0, 0.5 - d / softness))
                if t > 0:
                    self.blend(px, py, colour, t * t * (3 - 2 * t))

    def blend(self, px, py, colour, coverage):
        r, g, b, a = colour
        a *= coverage
        p = self.pixels[py * self.width + px]
        keep = 1.0 - a
        p[0] = r * a + p[0] * keep
        p[1] = g * a + p[1] * keep
        p[2] = b * a + p[2] * keep
        p[3] = a + p[3] * keep

    def rgba(self):
        """Straight (not premultiplied) 8-bit RGBA tuples, row by row from the top."""
        out = []
        for r, g, b, a in self.pixels:
            if a <= 0.0:
                out.append((0, 0, 0, 0))
                continue
            out.append(tuple(min(255, int(round(v / a * 255))) for v in (r, g, b)) +
                       (min(255, int(round(a * 255))),))
        return out


# ---------------------------------------------------------------- colour reduction


def median_cut(colours, limit):
    """A palette of at most `limit` colours for a {rgb: count} histogram."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        boxes.sort(key=lambda b: max(max(c[0][k] for c in b) - min(c[0][k] for c in b) for k in range(3)))
        widest = boxes.pop()
        if len(widest) < 2:
            boxes.append(widest)
            break
        channel = max(range(3), key=lambda k: max(c[0][k] for c in widest) - min(c[0][k] for c in widest))
        widest.sort(key=lambda c: c[0][channel])
        total = sum(n for _, n in widest)
        running, cut = 0, 1
        for i, (_, n) in enumerate(widest):
            running += n
            if running * 2 >= total:
                cut = max(1, min(len(widest) - 1, i + 1))
                break
        boxes += [widest[:cut], widest[cut:]]
    palette = []
    for b in boxes:
        total = sum(n for _, n in b)
        palette.append(tuple(int(round(sum(c[k] * n for c, n in b) / total)) for k in range(3)))
    return palette


def quantize(pixels, limit, reserved=()):
    """(palette, indices) for opaque RGB pixels; reserved colours come first in the palette."""
    histogram = {}
    for p in pixels:
        histogram[p] = histogram.get(p, 0) + 1
    free = limit - len(reserved)
    palette = list(reserved) + (sorted(histogram) if len(histogram) <= free else median_cut(histogram, free))
    cache = {}

    def nearest(c):
        if c not in cache:
            cache[c] = min(range(len(reserved), len(palette)),
                           key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
        return cache[c]
    return palette, [nearest(p) for p in pixels]


def over(pixel, background):
    """An RGBA pixel composed over an opaque RGB background."""
    a = pixel[3] / 255
    return tuple(int(round(c * a + b * (1 - a))) for c, b in zip(pixel[:3], background))


# ---------------------------------------------------------------- PNG


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def _png(width, height, colour_type, rows, extra=b""):
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header) + extra +
            _png_chunk(b"IDAT", zlib.compress(raw, 9)) + _png_chunk(b"IEND", b""))


def png_rgba(width, height, pixels):
    rows = [bytes(v for p in pixels[y * width:(y + 1) * width] for v in p) for y in range(height)]
    return _png(width, height, 6, rows)


def png_palette(width, height, pixels, limit=256):
    """An 8-bit indexed PNG of opaque RGB pixels."""
    palette, indices = quantize(pixels, limit)
    rows = [bytes(indices[y * width:(y + 1) * width]) for y in range(height)]
    plte = _png_chunk(b"PLTE", bytes(v for c in palette for v in c))
    return _png(width, height, 3, rows, plte)


# ---------------------------------------------------------------- ICO


def _mask_rows(size, pixels, transparent):
    stride = (size + 31) // 32 * 4
    rows = []
    for y in range(size):
        row = bytearray(stride)
        for x in range(size):
            if transparent(pixels[y * size + x]):
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return rows


def _dib(size, bits, colour_rows, mask_rows, palette=b""):
    colour = b"".join(reversed(colour_rows))  # bottom-up
    mask = b"".join(reversed(mask_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + palette + colour + mask


def ico_image_32(size, pixels):
    """A 32-bit image with alpha; the AND mask marks the fully transparent pixels."""
    rows = [bytes(v for r, g, b, a in pixels[y * size:(y + 1) * size]
                  for v in ((b, g, r, a) if a else (0, 0, 0, 0))) for y in range(size)]
    return _dib(size, 32, rows, _mask_rows(size, pixels, lambda p: p[3] == 0))


def ico_image_8(size, pixels, background):
    """A 256-colour image: pixels at least half covered are opaque (composed over background),
    the others transparent in the AND mask and black (palette entry 0) in the colour bits."""
    opaque = lambda p: p[3] >= 128
    colours = [over(p, background) for p in pixels if opaque(p)]
    palette, indices = quantize(colours, 256, reserved=[(0, 0, 0)])
    it = iter(indices)
    index_of = [next(it) if opaque(p) else 0 for p in pixels]
    stride = (size + 3) // 4 * 4
    rows = [bytes(index_of[y * size:(y + 1) * size]) + bytes(stride - size) for y in range(size)]
    palette_bytes = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    palette_bytes += bytes(4 * (256 - len(palette)))
    return _dib(size, 8, rows, _mask_rows(size, pixels, lambda p: not opaque(p)), palette_bytes)


def ico_file(images):
    """An icon file of (size, bits, dib) images in the given order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, bits, dib in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(dib), offset + len(body))
        body += dib
    return out + body
