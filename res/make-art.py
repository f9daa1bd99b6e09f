#!/usr/bin/env python3
"""Draws the wizard's pictures and icons and writes them as 16-colour BMP and ICO files.

    python3 res/make-art.py [output folder]      (default: the folder of this script)

Writes banner.bmp (IDB_BANNER, 497 x 56), welcome.bmp (IDB_WELCOME, 165 x 301),
writeerror.ico (IDI_WRITEERROR, 32 x 32) and setup.ico (IDI_SETUP, 32 x 32 and 16 x 16),
and the program's icon for the desktop's application menu from the same drawing as
IDI_SETUP: setup-16.png, setup-32.png, setup-48.png and setup-256.png, in full colour with
smooth edges. Only the standard library is used, and the output is the same on every run,
so the files in the repository can always be made again from this script.

How: each picture is drawn from simple shapes (polygons, discs, rounded boxes) on a canvas
of full-colour pixels, each shape's edge smoothed by sampling it 4 x 4 times per pixel.
The canvas is then reduced to the 16 standard colours: a pixel close to one of them takes
it; any other pixel is dithered, in a fixed 4 x 4 pattern, between the two standard colours
that mix to it best, which gives the even, fine-grained shading of classic setup screens.
"""

import math
import os
import struct
import sys
import zlib

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = PALETTE[:8]
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = PALETTE[8:]

# The sizes the desktop's icon themes ask for, from menus to software centres.
SETUP_PNG_SIZES = (16, 32, 48, 256)

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
SUB = 4  # samples per pixel edge


def sample_x(k):
    """Where sample k of a row lies: sample sx of pixel x for k = x * SUB + sx, at the very
    position shape() takes it, so that polygon() counts exactly the same samples."""
    x, sx = divmod(k, SUB)
    return x + (sx + 0.5) / SUB


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Canvas:
    def __init__(self, width, height, colour=BLACK):
        self.width = width
        self.height = height
        self.rgb = [[tuple(map(float, colour)) for _ in range(width)] for _ in range(height)]
        self.alpha = [[1.0] * width for _ in range(height)]

    def clear_alpha(self):
        self.alpha = [[0.0] * self.width for _ in range(self.height)]

    def blend(self, x, y, colour, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old = self.rgb[y][x]
        self.rgb[y][x] = mix(old, colour, coverage)
        self.alpha[y][x] = self.alpha[y][x] + (1 - self.alpha[y][x]) * coverage

    def shape(self, inside, box, colour, opacity=1.0):
        """Fills the points for which inside(x, y) holds, within box (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = box
        for y in range(max(0, int(math.floor(y0))), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(math.floor(x0))), min(self.width, int(math.ceil(x1)) + 1)):
                hits = 0
                for sy in range(SUB):
                    py = y + (sy + 0.5) / SUB
                    for sx in range(SUB):
                        if inside(x + (sx + 0.5) / SUB, py):
                            hits += 1
                if hits:
                    colour_here = colour(x, y) if callable(colour) else colour
                    self.blend(x, y, colour_here, opacity * hits / (SUB * SUB))

    def polygon(self, points, colour, opacity=1.0):
        """Fills the polygon (even-odd rule) with the same samples as shape() would take,
        found a row of samples at a time from where the row crosses the edges, which is
        far quicker than asking each sample whether it lies inside."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        x_first = max(0, int(math.floor(min(xs))))
        x_end = min(self.width, int(math.ceil(max(xs))) + 1)
        edges = [(points[i], points[i - 1]) for i in range(len(points))]
        for y in range(max(0, int(math.floor(min(ys)))), min(self.height, int(math.ceil(max(ys))) + 1)):
            hits = [0] * max(0, x_end - x_first)
            for sy in range(SUB):
                py = y + (sy + 0.5) / SUB
                crossings = sorted((xj - xi) * (py - yi) / (yj - yi) + xi
                                   for (xi, yi), (xj, yj) in edges if (yi > py) != (yj > py))
                # A sample at px is inside when an odd number of crossings lie right of it:
                # from each even-numbered crossing (inclusive) to the next (exclusive).
                for a, b in zip(crossings[0::2], crossings[1::2]):
                    first, end = self._samples_from(a, x_first), self._samples_from(b, x_first)
                    end = min(end, x_end * SUB)
                    for k in range(first, end):
                        hits[k // SUB - x_first] += 1
            for x in range(x_first, x_end):
                if hits[x - x_first]:
                    colour_here = colour(x, y) if callable(colour) else colour
                    self.blend(x, y, colour_here, opacity * hits[x - x_first] / (SUB * SUB))

    @staticmethod
    def _samples_from(a, x_first):
        """The first sample at or right of a, not left of pixel x_first, counted in samples
        from the canvas's left edge."""
        k = max(x_first * SUB, int(math.ceil(a * SUB - 0.5)))
        while k > x_first * SUB and sample_x(k - 1) >= a:
            k -= 1
        while sample_x(k) < a:
            k += 1
        return k

    def disc(self, cx, cy, r, colour, opacity=1.0):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                   (cx - r, cy - r, cx + r, cy + r), colour, opacity)

    def rect(self, x0, y0, x1, y1, colour, opacity=1.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, opacity)


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def diskette(canvas, x, y, size, angle=0.0, body=BLACK, rim=GRAY, label=WHITE, line=NAVY,
             shutter=SILVER, detail=True):
    """A 3.5-inch diskette seen from the front, its top-left corner at (x, y)."""
    cx, cy = x + size / 2, y + size / 2
    u = size / 90.0

    def poly(points, colour):
        canvas.polygon(rotated([(x + px * u, y + py * u) for px, py in points], cx, cy, angle), colour)

    outline = [(0, 2), (2, 0), (84, 0), (90, 6), (90, 88), (88, 90), (2, 90), (0, 88)]
    poly(outline, rim)
    poly([(2, 3), (3, 2), (83, 2), (88, 7), (88, 87), (87, 88), (3, 88), (2, 87)], body)
    # The metal shutter at the top, with its window onto the disk.
    poly([(22, 0), (70, 0), (70, 30), (22, 30)], shutter)
    if detail:
        poly([(24, 0), (68, 0), (68, 2), (24, 2)], WHITE)
        poly([(24, 28), (70, 28), (70, 30), (22, 30)], GRAY)
        poly([(50, 5), (60, 5), (60, 25), (50, 25)], BLACK)
    else:
        poly([(50, 5), (60, 5), (60, 25), (50, 25)], GRAY)
    # The label, with a few written lines.
    poly([(12, 42), (78, 42), (78, 90), (12, 90)], label)
    if detail:
        poly([(12, 42), (78, 42), (78, 47), (12, 47)], line)
        for ly in (56, 66, 76):
            poly([(18, ly), (72, ly), (72, ly + 2.5), (18, ly + 2.5)], SILVER)
    # The write-protect and high-density holes.
    poly([(3, 80), (8, 80), (8, 86), (3, 86)], GRAY if body == BLACK else BLACK)
    poly([(82, 80), (87, 80), (87, 86), (82, 86)], GRAY if body == BLACK else BLACK)


def quantize(canvas, dither=True):
    """Palette indices for the canvas, as rows from the top."""
    rows = []
    for y in range(canvas.height):
        row = []
        for x in range(canvas.width):
            row.append(nearest_index(canvas.rgb[y][x], x, y, dither))
        rows.append(row)
    return rows


def nearest_index(colour, x, y, dither):
    def dist(c):
        return sum((colour[i] - c[i]) ** 2 for i in range(3))

    order = sorted(range(16), key=lambda i: dist(PALETTE[i]))
    if not dither or dist(PALETTE[order[0]]) < 12 ** 2:
        return order[0]
    # The pair among the four nearest colours whose mixture comes closest, and how much of
    # the second colour that mixture holds.
    best = None
    for i in order[:4]:
        for j in order[:4]:
            if i >= j:
                continue
            a, b = PALETTE[i], PALETTE[j]
            ab = [b[k] - a[k] for k in range(3)]
            length = sum(v * v for v in ab)
            t = max(0.0, min(1.0, sum((colour[k] - a[k]) * ab[k] for k in range(3)) / length))
            error = sum((a[k] + ab[k] * t - colour[k]) ** 2 for k in range(3))
            if best is None or error < best[0]:
                best = (error, i, j, t)
    _, i, j, t = best
    return j if t * 16 > BAYER4[y % 4][x % 4] + 0.5 else i


def pack_4bit_rows(rows):
    """Bottom-up rows of 4-bit pixels, each padded to a multiple of 4 bytes."""
    data = bytearray()
    for row in reversed(rows):
        packed = bytearray()
        for i in range(0, len(row), 2):
            hi = row[i]
            lo = row[i + 1] if i + 1 < len(row) else 0
            packed.append((hi << 4) | lo)
        while len(packed) % 4:
            packed.append(0)
        data += packed
    return bytes(data)


def pack_mask_rows(mask):
    data = bytearray()
    for row in reversed(mask):
        packed = bytearray()
        for i in range(0, len(row), 8):
            byte = 0
            for k in range(8):
                if i + k < len(row) and row[i + k]:
                    byte |= 0x80 >> k
            packed.append(byte)
        while len(packed) % 4:
            packed.append(0)
        data += packed
    return bytes(data)


def palette_bytes():
    return b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)


def bitmap_info(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 3780, 3780, 16, 16)


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    pixels = pack_4bit_rows(rows)
    offset = 14 + 40 + 64
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(bitmap_info(width, height, len(pixels)))
        f.write(palette_bytes())
        f.write(pixels)


def write_ico(path, images):
    """images: (rows, mask) pairs; mask rows hold 1 where the icon is see-through."""
    blobs = []
    for rows, mask in images:
        size = len(rows)
        xor = pack_4bit_rows(rows)
        andmask = pack_mask_rows(mask)
        blobs.append((size, bitmap_info(size, size * 2, len(xor) + len(andmask)) + palette_bytes() + xor + andmask))
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(blobs)))
        offset = 6 + 16 * len(blobs)
        for size, blob in blobs:
            f.write(struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset))
            offset += len(blob)
        for _, blob in blobs:
            f.write(blob)


def write_png(path, canvas):
    """The canvas as an 8-bit RGBA PNG. The canvas holds its colours already multiplied by
    their coverage (every shape is laid over a transparent black ground), so each colour is
    divided by its alpha again; fully transparent pixels are black."""
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)  # no filter: the same bytes whatever an encoder would prefer
        for x in range(canvas.width):
            alpha = canvas.alpha[y][x]
            if alpha <= 0:
                raw += bytes(4)
                continue
            raw += bytes(min(255, int(v / alpha + 0.5)) for v in canvas.rgb[y][x])
            raw.append(int(alpha * 255 + 0.5))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def icon_from(canvas):
    rows = quantize(canvas, dither=False)
    mask = [[1 if canvas.alpha[y][x] < 0.5 else 0 for x in range(canvas.width)] for y in range(canvas.height)]
    for y in range(canvas.height):
        for x in range(canvas.width):
            if mask[y][x]:
                rows[y][x] = 0
    return rows, mask


# ---- the pictures ----------------------------------------------------------------------

def draw_banner():
    width, height = 497, 56
    c = Canvas(width, height, WHITE)
    # A dark blue panel on the right with a slanted left edge, shaded from blue at the top
    # to navy at the bottom, set off from the white by a thin aqua stripe.
    edge_top, edge_bottom = 392, 368
    c.polygon([(edge_top - 8, 0), (width, 0), (width, 54), (edge_bottom - 8, 54)], SILVER)
    c.polygon([(edge_top - 4, 0), (width, 0), (width, 54), (edge_bottom - 4, 54)], AQUA)
    c.polygon([(edge_top, 0), (width, 0), (width, 54), (edge_bottom, 54)],
              lambda x, y: mix(mix(BLUE, NAVY, 0.35), NAVY, min(1.0, y / 50.0 + (x - 380) / 400.0)))
    # Faint rings behind the diskette, like a spinning disk.
    for r, shade in ((30, 0.18), (24, 0.12)):
        c.shape(lambda x, y, r=r: r - 1.2 <= math.hypot(x - 452, y - 27) <= r,
                (452 - r, 27 - r, 452 + r, 27 + r), AQUA, shade)
    # Shadow, then the diskette.
    diskette(c, 434, 9, 40, angle=-8, body=BLACK, rim=BLACK, label=BLACK, line=BLACK, shutter=BLACK,
             detail=False)
    diskette(c, 430, 6, 40, angle=-8, body=BLACK, rim=GRAY, label=WHITE, line=RED)
    # The etched line under the banner.
    for x in range(width):
        c.rgb[54][x] = tuple(map(float, GRAY))
        c.rgb[55][x] = tuple(map(float, WHITE))
    return quantize(c)


def draw_welcome():
    width, height = 165, 301
    c = Canvas(width, height, NAVY)
    # Ground: navy at the top, darkening toward the bottom.
    for y in range(height):
        t = y / (height - 1)
        shade = mix(mix(NAVY, BLUE, 0.25), mix(NAVY, BLACK, 0.55), t)
        for x in range(width):
            c.rgb[y][x] = shade
    # Stars.
    stars = [(14, 18), (40, 9), (121, 14), (150, 36), (27, 52), (139, 71), (9, 96), (156, 118),
             (70, 6), (100, 44), (18, 140), (150, 160)]
    for i, (sx, sy) in enumerate(stars):
        c.disc(sx + 0.5, sy + 0.5, 0.9 if i % 3 else 1.3, WHITE if i % 2 else SILVER)
    # Rings of a spinning disk behind the diskette.
    for r, shade in ((66, 0.22), (56, 0.16), (46, 0.10)):
        c.shape(lambda x, y, r=r: r - 1.5 <= math.hypot(x - 82, y - 100) <= r,
                (82 - r, 100 - r, 82 + r, 100 + r), AQUA, shade)
    # The diskette with its shadow.
    diskette(c, 42, 64, 86, angle=-12, body=BLACK, rim=BLACK, label=BLACK, line=BLACK,
             shutter=BLACK, detail=False)
    diskette(c, 36, 56, 86, angle=-12, body=BLACK, rim=GRAY, label=WHITE, line=RED)
    # Twelve tiles for the twelve systems one computer can hold.
    colours = [RED, LIME, YELLOW, AQUA, FUCHSIA, BLUE, MAROON, GREEN, OLIVE, TEAL, PURPLE, SILVER]
    x0, y0, tile, gap = 33, 190, 20, 6
    for i, colour in enumerate(colours):
        tx = x0 + (i % 4) * (tile + gap)
        ty = y0 + (i // 4) * (tile + gap)
        c.rect(tx + 2, ty + 2, tx + tile + 2, ty + tile + 2, BLACK, 0.8)
        c.rect(tx, ty, tx + tile, ty + tile, WHITE)
        c.rect(tx + 1, ty + 1, tx + tile, ty + tile, GRAY)
        c.rect(tx + 1, ty + 1, tx + tile - 1, ty + tile - 1, colour)
        c.rect(tx + 1, ty + 1, tx + tile - 1, ty + 4, NAVY)
    return quantize(c)


def draw_write_error():
    c = Canvas(32, 32, BLACK)
    c.clear_alpha()
    c.disc(17.0, 17.0, 14.0, GRAY, 0.9)       # shadow
    c.disc(15.5, 15.5, 14.5, MAROON)
    c.disc(15.5, 15.5, 13.5, RED)
    arm = 3.0
    for sign in (1, -1):
        pts = [(9 - arm / 2, 9 + arm / 2), (9 + arm / 2, 9 - arm / 2), (22 + arm / 2, 22 - arm / 2),
               (22 - arm / 2, 22 + arm / 2)]
        if sign < 0:
            pts = [(31 - x, y) for x, y in pts]
        c.polygon(pts, WHITE)
    return icon_from(c)


def draw_setup(size):
    """The setup icon on a transparent canvas: below 32 pixels a plain diskette, from 32 on
    the detailed one with its arrow, drawn on a 32-pixel grid scaled to the size."""
    c = Canvas(size, size, BLACK)
    c.clear_alpha()
    if size >= 32:
        s = size / 32
        diskette(c, 2 * s, 2 * s, 27 * s, body=NAVY, rim=BLACK, label=WHITE, line=RED)
        # A green arrow: from the diskette onto the computer.
        c.polygon([(x * s, y * s) for x, y in
                   [(18, 20), (24, 20), (24, 16), (31, 23), (24, 30), (24, 26), (18, 26)]], BLACK)
        c.polygon([(x * s, y * s) for x, y in
                   [(18, 21), (24, 21), (24, 18), (29.5, 23), (24, 28), (24, 25), (18, 25)]], LIME)
    else:
        diskette(c, 1, 1, 14, body=NAVY, rim=BLACK, label=WHITE, line=RED, detail=False)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "banner.bmp"), draw_banner())
    write_bmp(os.path.join(out, "welcome.bmp"), draw_welcome())
    write_ico(os.path.join(out, "writeerror.ico"), [draw_write_error()])
    write_ico(os.path.join(out, "setup.ico"), [icon_from(draw_setup(32)), icon_from(draw_setup(16))])
    for size in SETUP_PNG_SIZES:
        write_png(os.path.join(out, "setup-%d.png" % size), draw_setup(size))


if __name__ == "__main__":
    main()
