#!/usr/bin/env python3
"""Generates Lumora's bitmaps and icons into resources/ (run from anywhere):

    tools/make_resources.py

The results are committed; the build never runs this. Needs Python 3 and ImageMagick's
`convert` with the DejaVu fonts (scripts/setup installs both).
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import Canvas, hgradient, hexrgb, save_ico, solid, vgradient  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
BMP = os.path.join(OUT, "bitmaps")
ICO = os.path.join(OUT, "icons")

NAVY = "#1F3B5C"
PAGE = "#FFFFFF"
MAGENTA = (255, 0, 255)

# ---- header row ------------------------------------------------------------------------
HEADER_W, HEADER_H = 106, 34

HEADER_BUTTONS = [
    # label, normal id, hover id, current-page id, glyph
    ("Wizard", 264, 263, 304, "wand"),
    ("Link Info", 208, 209, 301, "bars"),
    ("Configuration", 206, 207, 300, "gear"),
    ("Security", 212, 213, 302, "lock"),
    ("Site Survey", 214, 215, 303, "radar"),
    ("About", 204, 205, 299, "info"),
]


def glyph(c, kind, x, y, s, colour):
    """A small pictogram in an s x s box at (x, y)."""
    if kind == "bars":
        w = s / 5.0
        for i, frac in enumerate((0.4, 0.7, 1.0)):
            bx = x + i * w * 1.8
            c.round_rect(bx, y + s * (1 - frac), bx + w * 1.2, y + s, 0.8, colour)
    elif kind == "gear":
        cx, cy, r = x + s / 2, y + s / 2, s / 2
        import math
        for k in range(8):
            a = math.radians(k * 45)
            dx, dy = math.cos(a), math.sin(a)
            c.line([(cx + dx * r * 0.55, cy + dy * r * 0.55), (cx + dx * r * 0.98, cy + dy * r * 0.98)], s * 0.2, colour)
        c.ring(cx, cy, r * 0.28, r * 0.72, colour)
    elif kind == "lock":
        c.ring(x + s / 2, y + s * 0.42, s * 0.2, s * 0.32, colour, 0, 180)
        c.rect(int(x + s * 0.18), int(y + s * 0.42), int(x + s * 0.25) + 1, int(y + s * 0.5), colour)
        c.rect(int(x + s * 0.75), int(y + s * 0.42), int(x + s * 0.82) + 1, int(y + s * 0.5), colour)
        c.round_rect(x + s * 0.12, y + s * 0.45, x + s * 0.88, y + s, 1.5, colour)
    elif kind == "radar":
        cx, cy = x + s * 0.2, y + s * 0.85
        c.circle(cx, cy, s * 0.12, colour)
        c.ring(cx, cy, s * 0.32, s * 0.44, colour, 0, 90)
        c.ring(cx, cy, s * 0.62, s * 0.74, colour, 0, 90)
    elif kind == "info":
        c.ring(x + s / 2, y + s / 2, s * 0.4, s * 0.5, colour)
        c.circle(x + s / 2, y + s * 0.3, s * 0.08, colour)
        c.rect(int(x + s * 0.44), int(y + s * 0.43), int(x + s * 0.58), int(y + s * 0.76), colour)
    elif kind == "wand":
        c.line([(x + s * 0.15, y + s * 0.9), (x + s * 0.65, y + s * 0.4)], s * 0.14, colour)
        star = []
        import math
        cx, cy = x + s * 0.72, y + s * 0.3
        for k in range(10):
            r = s * (0.28 if k % 2 == 0 else 0.11)
            a = math.radians(-90 + k * 36)
            star.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        c.polygon(star, colour)


def header_button(label, look, glyph_kind):
    c = Canvas(HEADER_W, HEADER_H, PAGE)
    w, h = HEADER_W, HEADER_H
    if look == "normal":
        c.round_rect(0.5, 0.5, w - 0.5, h - 0.5, 5, "#9FB5CC")
        c.round_rect(1.5, 1.5, w - 1.5, h - 1.5, 4, vgradient("#FAFCFE", "#D5E2EF", 1, h - 1))
        text, icon = NAVY, "#3A6A9A"
    elif look == "hover":
        c.round_rect(0.5, 0.5, w - 0.5, h - 0.5, 5, "#D98E1C")
        c.round_rect(1.5, 1.5, w - 1.5, h - 1.5, 4, vgradient("#FFF9EA", "#FFD585", 1, h - 1))
        c.rect(6, h - 5, w - 6, h - 3, "#E8870E")
        text, icon = "#5B3300", "#C46A00"
    else:  # the page that is showing
        c.round_rect(0.5, 0.5, w - 0.5, h - 0.5, 5, "#143A61")
        c.round_rect(1.5, 1.5, w - 1.5, h - 1.5, 4, vgradient("#3C7DBF", "#1D4D80", 1, h - 1))
        c.rect(3, 2, w - 3, 3, "#6FA5DA", alpha=0.6)
        text, icon = "#FFFFFF", "#CFE3F7"
    glyph(c, glyph_kind, 7, 10, 14, icon)
    font = "DejaVuSansCondensed-Bold.ttf"
    c.text(24, 0, w - 28, h - 1, label, 11, text, font=font)
    return c


# ---- push buttons on the pages -------------------------------------------------------------
BUTTON_W, BUTTON_H = 84, 26


def push_button(label, mark, pressed=False):
    c = Canvas(BUTTON_W, BUTTON_H, PAGE)
    w, h = BUTTON_W, BUTTON_H
    c.round_rect(0.5, 0.5, w - 0.5, h - 0.5, 4, "#7F98B3" if not pressed else "#4F6B88")
    if pressed:
        c.round_rect(1.5, 1.5, w - 1.5, h - 1.5, 3, vgradient("#C9D8E8", "#E9F0F7", 1, h - 1))
    else:
        c.round_rect(1.5, 1.5, w - 1.5, h - 1.5, 3, vgradient("#FFFFFF", "#DCE6F0", 1, h - 1))
    d = 1 if pressed else 0
    mark_painter(c, mark, 8 + d, 6 + d, 14)
    c.text(24 + d, d, w - 28, h - 1, label, 10, NAVY, font="DejaVuSans-Bold.ttf")
    return c


def mark_painter(c, mark, x, y, s):
    green, red, blue = "#2E9E44", "#D23A2A", "#2F6FB0"
    if mark == "check":
        c.line([(x + s * 0.1, y + s * 0.55), (x + s * 0.4, y + s * 0.85), (x + s * 0.92, y + s * 0.18)], 2.6, green)
    elif mark == "cross":
        c.line([(x + s * 0.15, y + s * 0.15), (x + s * 0.85, y + s * 0.85)], 2.6, red)
        c.line([(x + s * 0.85, y + s * 0.15), (x + s * 0.15, y + s * 0.85)], 2.6, red)
    elif mark == "next":
        c.circle(x + s / 2, y + s / 2, s / 2, green)
        c.polygon([(x + s * 0.38, y + s * 0.25), (x + s * 0.75, y + s * 0.5), (x + s * 0.38, y + s * 0.75)], "#FFFFFF")
    elif mark == "plus":
        c.circle(x + s / 2, y + s / 2, s / 2, green)
        c.rect(int(x + s * 0.43), int(y + s * 0.2), int(x + s * 0.43) + 2, int(y + s * 0.8), "#FFFFFF")
        c.rect(int(x + s * 0.2), int(y + s * 0.43), int(x + s * 0.8), int(y + s * 0.43) + 2, "#FFFFFF")
    elif mark == "minus":
        c.circle(x + s / 2, y + s / 2, s / 2, red)
        c.rect(int(x + s * 0.2), int(y + s * 0.43), int(x + s * 0.8), int(y + s * 0.43) + 2, "#FFFFFF")
    elif mark == "connect":
        c.circle(x + s / 2, y + s / 2, s / 2, blue)
        c.line([(x + s * 0.25, y + s * 0.5), (x + s * 0.72, y + s * 0.5)], 2, "#FFFFFF")
        c.polygon([(x + s * 0.55, y + s * 0.28), (x + s * 0.82, y + s * 0.5), (x + s * 0.55, y + s * 0.72)], "#FFFFFF")
    elif mark == "edit":
        c.round_rect(x + s * 0.1, y + s * 0.05, x + s * 0.75, y + s * 0.95, 1, "#7F98B3")
        c.rect(int(x + s * 0.1) + 1, int(y + s * 0.05) + 1, int(x + s * 0.75) - 1, int(y + s * 0.95) - 1, "#FFFFFF")
        for k in range(3):
            yy = int(y + s * (0.3 + k * 0.2))
            c.rect(int(x + s * 0.22), yy, int(x + s * 0.6), yy + 1, "#7F98B3")
        c.line([(x + s * 0.45, y + s * 0.85), (x + s * 0.95, y + s * 0.3)], 2.4, "#E8870E")
    elif mark == "rescan":
        cx, cy = x + s / 2, y + s / 2
        c.ring(cx, cy, s * 0.3, s * 0.46, blue, 100, 350)
        c.polygon([(cx + s * 0.02, y - s * 0.02), (cx + s * 0.3, y + s * 0.14), (cx + s * 0.02, y + s * 0.34)], blue)
    elif mark == "search":
        c.ring(x + s * 0.42, y + s * 0.42, s * 0.24, s * 0.36, blue)
        c.line([(x + s * 0.66, y + s * 0.66), (x + s * 0.92, y + s * 0.92)], 3, blue)


def search_button():
    c = Canvas(26, 22, PAGE)
    c.round_rect(0.5, 0.5, 25.5, 21.5, 4, "#7F98B3")
    c.round_rect(1.5, 1.5, 24.5, 20.5, 3, vgradient("#FFFFFF", "#DCE6F0", 1, 21))
    mark_painter(c, "search", 6, 4, 14)
    return c


# ---- banners and About page pictures -------------------------------------------------------
def waves(c, cx, cy, radii, colour, alpha):
    for r in radii:
        c.ring(cx, cy, r - 2.2, r, colour, 20, 160, alpha=alpha)


def banner(w, h, title_size, subtitle, with_version=False):
    c = Canvas(w, h, PAGE)
    c.rect(0, 0, w, h, hgradient("#173E6B", "#2D7DB8", 0, w))
    c.rect(0, 0, w, h, vgradient((255, 255, 255), (0, 0, 0), 0, h), alpha=0.08)
    waves(c, w - 70, h + 10, [28, 44, 60, 76, 92], "#FFFFFF", 0.18)
    c.circle(w - 70, h - 4, 6, "#FFFFFF", alpha=0.5)
    c.rect(0, h - 3, w, h, "#E8870E")
    c.text(18, 6, w - 120, int(h * 0.55), "Vexa Nimbeo\u2122", title_size, "#FFFFFF",
           font="DejaVuSans-Bold.ttf", gravity="west")
    c.text(20, int(h * 0.55), w - 120, int(h * 0.38), subtitle, max(9, title_size // 2), "#CFE3F7",
           font="DejaVuSans.ttf", gravity="northwest")
    return c


def about_banner():
    """The About page's product block: the emblem beside the product's name."""
    w, h = 440, 64
    c = Canvas(w, h, PAGE)
    emblem = app_icon(48)
    for y in range(48):
        for x in range(48):
            p = emblem.px[y * 48 + x]
            if p[3] > 0:
                c.blend(8 + x, 8 + y, p[:3], p[3])
    c.text(70, 6, w - 80, 30, "Vexa Nimbeo\u2122", 22, NAVY, font="DejaVuSans-Bold.ttf", gravity="southwest")
    c.text(72, 38, w - 80, 20, "Wireless USB Adapter Utility", 11, "#5A6B7D", font="DejaVuSans.ttf",
           gravity="northwest")
    c.rect(70, 36, 300, 37, hgradient("#E8870E", "#FFFFFF", 70, 300))
    return c


def about_title():
    c = Canvas(220, 34, PAGE)
    c.rect(0, 4, 5, 30, "#E8870E")
    c.text(14, 0, 200, 34, "About", 18, NAVY, font="DejaVuSans-Bold.ttf", gravity="west")
    return c


def about_frame():
    w, h = 440, 190
    c = Canvas(w, h, PAGE)
    c.round_rect(2, 3, w - 1, h - 1, 8, "#000000", alpha=0.08)  # soft shadow
    c.round_rect(0.5, 0.5, w - 2.5, h - 2.5, 8, "#9FB5CC")
    c.round_rect(1.5, 1.5, w - 3.5, h - 3.5, 7, "#FFFFFF")
    c.rect(10, 2, w - 12, 5, hgradient("#2D7DB8", "#9FC6E8", 10, w - 12))
    return c


# ---- the 16 x 16 image strip of the network lists ------------------------------------------
def access_point(c, ox, colour, muted=False):
    body = "#9AA7B4" if muted else colour
    c.round_rect(ox + 1.5, 10, ox + 14.5, 15, 1.2, body)
    c.rect(ox + 4, 12, ox + 6, 13, "#C8F0C8" if not muted else "#E0E0E0")
    c.rect(ox + 11, 5, ox + 12, 10, "#5B6773" if not muted else "#A8B0B8")
    wave = "#2F6FB0" if not muted else "#B8C0C8"
    # ((o)) around the antenna's tip, set pixel by pixel: arcs this small blur otherwise.
    c.rect(ox + 11, 3, ox + 12, 5, wave)
    for x0 in (8, 14):
        c.rect(ox + x0, 3, ox + x0 + 1, 6, wave)
    for x0 in (9, 13):
        c.rect(ox + x0, 2, ox + x0 + 1, 3, wave)
        c.rect(ox + x0, 6, ox + x0 + 1, 7, wave)


def computer(c, x, y, colour):
    c.rect(x, y, x + 6, y + 5, colour)
    c.rect(x + 1, y + 1, x + 5, y + 4, "#CFE8FF")
    c.rect(x + 2, y + 5, x + 4, y + 6, colour)
    c.rect(x + 1, y + 6, x + 5, y + 7, colour)


def adhoc(c, ox, muted=False):
    col = "#3B5E86" if not muted else "#A0AAB4"
    computer(c, ox + 0, 1, col)
    computer(c, ox + 9, 8, col)
    c.line([(ox + 6.5, 4), (ox + 10, 4), (ox + 12, 8)], 1.2, "#E8870E" if not muted else "#C0C0C0")


def badge_check(c, ox):
    c.circle(ox + 4.5, 11.5, 4.3, "#FFFFFF")
    c.circle(ox + 4.5, 11.5, 3.6, "#2E9E44")
    c.line([(ox + 2.6, 11.6), (ox + 4.1, 13.1), (ox + 6.6, 9.9)], 1.3, "#FFFFFF")


PIXEL_LETTERS = {
    "b": ["X..", "X..", "XXX", "X.X", "XXX"],
    "g": ["XXX", "X.X", "XXX", "..X", "XXX"],
}


def letter_badge(c, ox, letter, colour):
    """A 5 x 7 tag with a hand-set 3 x 5 letter: legible at list size."""
    c.rect(ox + 0, 0, ox + 5, 7, colour)
    for j, row in enumerate(PIXEL_LETTERS[letter]):
        for i, bit in enumerate(row):
            if bit == "X":
                c.rect(ox + 1 + i, 1 + j, ox + 2 + i, 2 + j, "#FFFFFF")


def signal_bars(c, ox, level, colour):
    for i in range(3):
        x0 = ox + 2 + i * 4
        top = 12 - i * 4
        c.rect(x0, top, x0 + 3, 15, colour if i < level else "#D5DBE1")


def lock(c, ox):
    c.ring(ox + 8, 6, 2.2, 3.6, "#6B7785", 0, 180)
    c.rect(ox + 4, 6, ox + 6, 8, "#6B7785")
    c.rect(ox + 10, 6, ox + 12, 8, "#6B7785")
    c.round_rect(ox + 3, 7.5, ox + 13, 15, 1.2, "#E0A526")
    c.rect(ox + 7, 10, ox + 9, 13, "#7A5300")


def image_strip():
    n = 13
    c = Canvas(16 * n, 16, MAGENTA)
    strip = [Canvas(16, 16) for _ in range(n)]
    adhoc(strip[0], 0)
    access_point(strip[1], 0, "#3B5E86"); letter_badge(strip[1], 0, "b", "#5F7893")
    access_point(strip[2], 0, "#3B5E86")
    access_point(strip[3], 0, "#3B5E86"); letter_badge(strip[3], 0, "g", "#2E9E44")
    access_point(strip[4], 0, "#3B5E86", muted=True)
    access_point(strip[5], 0, "#3B5E86"); badge_check(strip[5], 0)
    adhoc(strip[6], 0); badge_check(strip[6], 0)
    adhoc(strip[7], 0, muted=True)
    signal_bars(strip[8], 0, 1, "#D23A2A")
    signal_bars(strip[9], 0, 2, "#E0A526")
    signal_bars(strip[10], 0, 3, "#2E9E44")
    lock(strip[11], 0)
    access_point(strip[12], 0, "#2F6FB0")
    strip[12].circle(4, 4, 3.2, "#E8870E")  # in range: a lit dot
    strip[12].circle(4, 4, 1.6, "#FFE3A8")
    # Paste with hard edges: magenta is the transparent colour, so no pixel may be a blend
    # of an image and magenta.
    for i, s in enumerate(strip):
        for y in range(16):
            for x in range(16):
                p = s.px[y * 16 + x]
                if p[3] >= 0.5:
                    back = (255.0, 255.0, 255.0)
                    a = min(1.0, p[3] * 1.0)
                    rgb = [p[k] * a + back[k] * (1 - a) for k in range(3)]
                    c.px[y * c.w + i * 16 + x] = rgb + [1.0]
    return c


# ---- icons ------------------------------------------------------------------------------------
def app_icon(size):
    c = Canvas(size, size)
    s = size / 32.0
    c.round_rect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s, vgradient("#3D8BD8", "#17477F", 0, size))
    cx, cy = 16 * s, 24 * s
    c.circle(cx, cy, 2.6 * s, "#FFFFFF")
    for r in (8, 13.5, 19):
        c.ring(cx, cy, (r - 2.6) * s, r * s, "#FFFFFF", 45, 135)
    return c


def tray_bars(size, level, colour, empty_outline="#7A8590"):
    """Three rising bars; 'level' of them filled with 'colour'."""
    c = Canvas(size, size)
    s = size / 16.0
    for i in range(3):
        x0, x1 = (1 + i * 5) * s, (5 + i * 5) * s
        top = (11 - i * 4) * s
        bottom = 15 * s
        if i < level:
            c.round_rect(x0, top, x1, bottom, 0.6 * s, "#1E2A36")
            c.round_rect(x0 + 0.9 * s, top + 0.9 * s, x1 - 0.9 * s, bottom - 0.9 * s, 0.4 * s, colour)
        else:
            c.round_rect(x0, top, x1, bottom, 0.6 * s, empty_outline)
            c.round_rect(x0 + 0.9 * s, top + 0.9 * s, x1 - 0.9 * s, bottom - 0.9 * s, 0.4 * s, "#E6EAEE")
    return c


def tray_no_signal(size):
    c = tray_bars(size, 0, None)
    s = size / 16.0
    c.circle(4.5 * s, 4.5 * s, 4.3 * s, "#FFFFFF")
    c.circle(4.5 * s, 4.5 * s, 3.7 * s, "#D23A2A")
    c.line([(2.9 * s, 2.9 * s), (6.1 * s, 6.1 * s)], 1.3 * s, "#FFFFFF")
    c.line([(6.1 * s, 2.9 * s), (2.9 * s, 6.1 * s)], 1.3 * s, "#FFFFFF")
    return c


def tray_no_card(size):
    c = Canvas(size, size)
    s = size / 16.0
    # A USB stick lying across the icon, with a red bar through it.
    c.round_rect(0.5 * s, 5 * s, 11 * s, 12 * s, 1.5 * s, "#2A3440")
    c.round_rect(1.5 * s, 6 * s, 10 * s, 11 * s, 1 * s, "#5C6B7A")
    c.rect(int(11 * s), int(6 * s), int(15.5 * s), int(11 * s), "#B9C2CC")
    c.rect(int(12.3 * s), int(7.3 * s), int(13.3 * s) + 0, int(8.3 * s), "#2A3440")
    c.rect(int(12.3 * s), int(8.8 * s), int(13.3 * s) + 0, int(9.8 * s), "#2A3440")
    c.line([(2 * s, 14.5 * s), (14 * s, 2 * s)], 3.2 * s, "#FFFFFF")
    c.line([(2 * s, 14.5 * s), (14 * s, 2 * s)], 2.0 * s, "#D23A2A")
    return c


# ---- main ------------------------------------------------------------------------------------
def main():
    os.makedirs(BMP, exist_ok=True)
    os.makedirs(ICO, exist_ok=True)

    def bmp(canvas, rid, name):
        canvas.save_bmp(os.path.join(BMP, f"{rid}_{name}.bmp"), PAGE)

    for label, normal, hover, current, kind in HEADER_BUTTONS:
        slug = label.lower().replace(" ", "_")
        bmp(header_button(label, "normal", kind), normal, f"header_{slug}")
        bmp(header_button(label, "hover", kind), hover, f"header_{slug}_hover")
        bmp(header_button(label, "current", kind), current, f"header_{slug}_current")

    bmp(push_button("Apply", "check"), 168, "apply")
    bmp(push_button("Cancel", "cross"), 169, "cancel")
    bmp(push_button("OK", "check"), 173, "ok")
    bmp(push_button("Next", "next"), 268, "next")
    bmp(push_button("Connect", "connect"), 171, "survey_connect")
    bmp(push_button("Edit", "edit"), 174, "survey_properties")
    bmp(push_button("Rescan", "rescan"), 177, "survey_rescan")
    bmp(push_button("Rescan", "rescan", pressed=True), 182, "survey_rescan_down")
    bmp(push_button("Remove", "minus"), 178, "survey_remove")
    bmp(push_button("Add", "plus"), 179, "survey_add")
    bmp(search_button(), 166, "search")

    bmp(about_title(), 190, "about_title")
    bmp(about_frame(), 297, "about_frame")
    bmp(about_banner(), 306, "about_banner")
    bmp(banner(662, 75, 24, "Wireless USB Adapter Utility"), 310, "main_banner")

    image_strip().save_bmp(os.path.join(BMP, "239_network_images.bmp"), MAGENTA)

    save_ico(os.path.join(ICO, "128_application.ico"), [app_icon(16), app_icon(32), app_icon(48)])
    save_ico(os.path.join(ICO, "220_no_signal.ico"), [tray_no_signal(16), tray_no_signal(32)])
    save_ico(os.path.join(ICO, "223_poor_signal.ico"), [tray_bars(16, 1, "#E0442C"), tray_bars(32, 1, "#E0442C")])
    save_ico(os.path.join(ICO, "222_fair_signal.ico"), [tray_bars(16, 2, "#F2B01E"), tray_bars(32, 2, "#F2B01E")])
    save_ico(os.path.join(ICO, "225_good_signal.ico"), [tray_bars(16, 3, "#37B24D"), tray_bars(32, 3, "#37B24D")])
    save_ico(os.path.join(ICO, "226_no_card.ico"), [tray_no_card(16), tray_no_card(32)])


if __name__ == "__main__":
    main()
