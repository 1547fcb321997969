"""A tiny anti-aliased rasteriser for the program's bitmaps and icons.

Shapes are coverage functions sampled 4 x 4 times per pixel; text is rendered by
ImageMagick into a grey mask and blended like any other shape. Output is written as
Windows BMP (24-bit) and ICO (32-bit with alpha) files by hand, so the build needs
nothing but the committed files.
"""

import math
import os
import struct
import subprocess

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SS = 4  # samples per pixel edge


def hexrgb(value):
    value = value.lstrip("#")
    return tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vgradient(top, bottom, y0, y1):
    top, bottom = hexrgb(top) if isinstance(top, str) else top, hexrgb(bottom) if isinstance(bottom, str) else bottom
    span = max(1e-6, y1 - y0)

    def colour(x, y):
        return mix(top, bottom, min(1.0, max(0.0, (y - y0) / span)))
    return colour


def hgradient(left, right, x0, x1):
    left, right = hexrgb(left) if isinstance(left, str) else left, hexrgb(right) if isinstance(right, str) else right
    span = max(1e-6, x1 - x0)

    def colour(x, y):
        return mix(left, right, min(1.0, max(0.0, (x - x0) / span)))
    return colour


def solid(c):
    c = hexrgb(c) if isinstance(c, str) else c

    def colour(x, y):
        return c
    return colour


class Canvas:
    def __init__(self, width, height, background=None):
        self.w = width
        self.h = height
        bg = (0.0, 0.0, 0.0, 0.0)
        if background is not None:
            r, g, b = hexrgb(background) if isinstance(background, str) else background
            bg = (float(r), float(g), float(b), 1.0)
        self.px = [list(bg) for _ in range(width * height)]

    # -- blending ---------------------------------------------------------------------
    def blend(self, x, y, rgb, coverage):
        if coverage <= 0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        p = self.px[y * self.w + x]
        a = min(1.0, coverage)
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def shape(self, inside, colour, bbox=None, alpha=1.0):
        """Fill every pixel by the share of its samples for which inside(x, y) holds."""
        colour = solid(colour) if isinstance(colour, (str, tuple)) else colour
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        offsets = [(i + 0.5) / SS for i in range(SS)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    self.blend(x, y, colour(x + 0.5, y + 0.5), alpha * hits / (SS * SS))

    # -- shapes -----------------------------------------------------------------------
    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        colour = solid(colour) if isinstance(colour, (str, tuple)) else colour
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(x, y, colour(x + 0.5, y + 0.5), alpha)

    def round_rect(self, x0, y0, x1, y1, r, colour, alpha=1.0):
        def inside(x, y):
            if x < x0 or x > x1 or y < y0 or y > y1:
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.shape(inside, colour, (x0 - 1, y0 - 1, x1 + 1, y1 + 1), alpha)

    def round_frame(self, x0, y0, x1, y1, r, width, colour, alpha=1.0):
        def inside_rr(x, y, a0, b0, a1, b1, rr):
            if x < a0 or x > a1 or y < b0 or y > b1:
                return False
            cx = min(max(x, a0 + rr), a1 - rr)
            cy = min(max(y, b0 + rr), b1 - rr)
            return (x - cx) ** 2 + (y - cy) ** 2 <= rr * rr

        def inside(x, y):
            return inside_rr(x, y, x0, y0, x1, y1, r) and not inside_rr(
                x, y, x0 + width, y0 + width, x1 - width, y1 - width, max(0.0, r - width))
        self.shape(inside, colour, (x0 - 1, y0 - 1, x1 + 1, y1 + 1), alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour,
                   (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1), alpha)

    def ring(self, cx, cy, r_in, r_out, colour, a0=None, a1=None, alpha=1.0):
        """Ring between two radii; optionally only between angles a0..a1 (degrees,
        0 = right, counter-clockwise, y up)."""
        def inside(x, y):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if d < r_in * r_in or d > r_out * r_out:
                return False
            if a0 is None:
                return True
            ang = math.degrees(math.atan2(cy - y, x - cx)) % 360
            lo, hi = a0 % 360, a1 % 360
            return lo <= ang <= hi if lo <= hi else (ang >= lo or ang <= hi)
        self.shape(inside, colour, (cx - r_out - 1, cy - r_out - 1, cx + r_out + 1, cy + r_out + 1), alpha)

    def line(self, points, width, colour, alpha=1.0):
        segs = list(zip(points, points[1:]))
        half = width / 2.0

        def dist2(px, py, a, b):
            ax, ay = a
            bx, by = b
            dx, dy = bx - ax, by - ay
            t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
            qx, qy = ax + t * dx, ay + t * dy
            return (px - qx) ** 2 + (py - qy) ** 2

        def inside(x, y):
            return any(dist2(x, y, a, b) <= half * half for a, b in segs)
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.shape(inside, colour, (min(xs) - width, min(ys) - width, max(xs) + width, max(ys) + width), alpha)

    def polygon(self, points, colour, alpha=1.0):
        def inside(x, y):
            c = False
            n = len(points)
            for i in range(n):
                x1, y1 = points[i]
                x2, y2 = points[(i + 1) % n]
                if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                    c = not c
            return c
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.shape(inside, colour, (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1), alpha)

    # -- text ---------------------------------------------------------------------------
    def text(self, x, y, w, h, text, size, colour, font="DejaVuSans-Bold.ttf", gravity="center", alpha=1.0):
        """Draws text into the box (x, y, w, h), placed by ImageMagick's gravity."""
        if w <= 0 or h <= 0:
            return
        mask = subprocess.run(
            ["convert", "-size", f"{w}x{h}", "xc:black", "-font", os.path.join(FONT_DIR, font),
             "-pointsize", str(size), "-fill", "white", "-gravity", gravity,
             "-annotate", "+0+0", text, "-depth", "8", "gray:-"],
            check=True, capture_output=True).stdout
        colour = solid(colour) if isinstance(colour, (str, tuple)) else colour
        for j in range(h):
            for i in range(w):
                v = mask[j * w + i]
                if v:
                    self.blend(x + i, y + j, colour(x + i + 0.5, y + j + 0.5), alpha * v / 255.0)

    def text_width(self, text, size, font="DejaVuSans-Bold.ttf"):
        out = subprocess.run(
            ["convert", "-font", os.path.join(FONT_DIR, font), "-pointsize", str(size),
             "label:" + text, "-format", "%w", "info:"], check=True, capture_output=True).stdout
        return int(out)

    # -- output -------------------------------------------------------------------------
    def flattened(self, background):
        bg = hexrgb(background) if isinstance(background, str) else background
        out = []
        for p in self.px:
            a = p[3]
            out.append(tuple(int(round(p[i] * a + bg[i] * (1 - a))) for i in range(3)))
        return out

    def save_bmp(self, path, background="#FFFFFF"):
        pixels = self.flattened(background)
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for x in range(self.w):
                r, g, b = pixels[y * self.w + x]
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)

    def icon_image(self):
        """BITMAPINFOHEADER + 32-bit BGRA (bottom-up) + 1-bit AND mask."""
        xor = bytearray()
        for y in range(self.h - 1, -1, -1):
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a < 0.5:
                    # Masked out: systems that ignore alpha XOR this colour onto the
                    # screen, so it must be black (and fully transparent for the others).
                    r = g = b = a = 0
                xor += bytes((int(round(b)), int(round(g)), int(round(r)), int(round(a * 255))))
        mask_row = ((self.w + 31) // 32) * 4
        andmask = bytearray()
        for y in range(self.h - 1, -1, -1):
            bits = bytearray(mask_row)
            for x in range(self.w):
                if self.px[y * self.w + x][3] < 0.5:
                    bits[x // 8] |= 0x80 >> (x % 8)
            andmask += bits
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
        return info + xor + andmask


def save_ico(path, canvases):
    images = [c.icon_image() for c in canvases]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for c, img in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))
