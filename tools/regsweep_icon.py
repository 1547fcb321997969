#!/usr/bin/env python3
"""Draws Regsweep's icon (resource 128): registry rows on blue, swept by a broom.

Writes regsweep/regsweep.ico with 16, 32 and 48 pixel images, 32-bit with alpha.
Needs nothing beyond Python itself; run it again only to change the picture.
"""
import math
import os
import struct
import sys

SS = 4  # supersampling per axis, for smooth edges


def rounded_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1


def near_segment(x, y, ax, ay, bx, by, half):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= half * half


def in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


BRISTLES = [(0.47, 0.60), (0.66, 0.71), (0.60, 0.95), (0.30, 0.80)]


def colour_at(x, y):
    """Colour (r, g, b, a) of the picture at x, y in 0..1."""
    # Broom on top of everything.
    if in_polygon(x, y, BRISTLES):
        stripe = int((x + y) * 22) % 2
        return (236, 188, 52, 255) if stripe else (214, 160, 36, 255)
    if near_segment(x, y, 0.90, 0.06, 0.57, 0.64, 0.045):
        return (128, 78, 36, 255)
    if near_segment(x, y, 0.46, 0.585, 0.67, 0.70, 0.035):
        return (90, 60, 30, 255)
    # Registry rows: a bullet and a bar each.
    for row, cy in enumerate((0.27, 0.45, 0.63)):
        if rounded_rect(x, y, 0.14, cy - 0.055, 0.25, cy + 0.055, 0.02):
            return (255, 214, 90, 255) if row == 0 else (170, 220, 255, 255)
        if rounded_rect(x, y, 0.30, cy - 0.045, 0.66 - 0.08 * row, cy + 0.045, 0.04):
            return (255, 255, 255, 255)
    if rounded_rect(x, y, 0.02, 0.02, 0.98, 0.98, 0.18):
        shade = y
        return (int(52 - 22 * shade), int(124 - 46 * shade), int(214 - 52 * shade), 255)
    return (0, 0, 0, 0)


def render(size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    r, g, b, a = colour_at((px + (sx + 0.5) / SS) / size, (py + (sy + 0.5) / SS) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SS * SS
            alpha = acc[3] / n
            if acc[3]:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]), round(alpha)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(size):
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "regsweep", "regsweep.ico")
    sizes = (16, 32, 48)
    images = [icon_image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        data += image
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
