#!/usr/bin/env python3
"""Draws the setup program's bitmaps and icon.

Everything here is drawn from scratch with the Python standard library only:
small hand-made pixel maps for the tree-view glyphs, and a tiny anti-aliased
vector rasteriser (polygons, thick strokes, a stroke font) for the logos and
the application icon.

Usage (from anywhere):  python3 tools/art/draw_art.py [repo_root]

Writes:
  res/bitmaps/FIXEDDRIVE.bmp      16x11  4 bpp
  res/bitmaps/REMOVABLEDRIVE.bmp  16x10  4 bpp
  res/bitmaps/OPENFOLDER.bmp      16x16  4 bpp
  res/bitmaps/CLOSEDFOLDER.bmp    16x16  4 bpp
  res/app.ico                     16x16 + 32x32, 32 bpp
  payload/Logo.bmp                120x260 24 bpp
  payload/LogoSmall.bmp           34x34  24 bpp

The 4 bpp glyphs use the standard Windows 16-colour palette; the bottom-left
pixel is the transparent key colour (magenta), which the glyphs use for their
background and nowhere else.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# BMP / ICO writers
# ---------------------------------------------------------------------------

VGA16 = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]


def info_header(w, h, bpp, image_size, colors_used=0):
    # BITMAPINFOHEADER, 40 bytes; positive height = bottom-up rows
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image_size,
                       2835, 2835, colors_used, 0)


def file_header(total_size, bits_offset):
    return struct.pack('<2sIHHI', b'BM', total_size, 0, 0, bits_offset)


def write_bmp4(path, rows, palette=VGA16):
    """rows: list of top-down lists of palette indices (0..15)."""
    h = len(rows)
    w = len(rows[0])
    stride = ((w * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):                      # bottom-up
        line = bytearray(stride)
        for x, idx in enumerate(row):
            if x % 2 == 0:
                line[x // 2] |= idx << 4
            else:
                line[x // 2] |= idx
        data += line
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    off = 14 + 40 + len(pal)
    with open(path, 'wb') as f:
        f.write(file_header(off + len(data), off))
        f.write(info_header(w, h, 4, len(data), 16))
        f.write(pal)
        f.write(data)


def write_bmp24(path, canvas):
    w, h = canvas.w, canvas.h
    stride = ((w * 24 + 31) // 32) * 4
    data = bytearray()
    for y in range(h - 1, -1, -1):                  # bottom-up
        line = bytearray()
        for x in range(w):
            r, g, b, a = canvas.get8(x, y)
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    off = 14 + 40
    with open(path, 'wb') as f:
        f.write(file_header(off + len(data), off))
        f.write(info_header(w, h, 24, len(data)))
        f.write(data)


def ico_image(canvas):
    """One icon image: BITMAPINFOHEADER (double height), BGRA XOR, AND mask."""
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = canvas.get8(x, y)
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    mstride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray(mstride)
        for x in range(w):
            if canvas.get8(x, y)[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    hdr = info_header(w, h * 2, 32, len(xor) + len(mask))
    return hdr + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [ico_image(c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    off = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32,
                           len(img), off)
        off += len(img)
    for img in images:
        out += img
    with open(path, 'wb') as f:
        f.write(out)


# ---------------------------------------------------------------------------
# A tiny anti-aliased rasteriser
# ---------------------------------------------------------------------------

def hexc(s):
    s = s.lstrip('#')
    return (int(s[0:2], 16), int(s[2:4], 16), int(s[4:6], 16))


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0), alpha=1.0):
        self.w, self.h = w, h
        self.px = [[[bg[0], bg[1], bg[2], alpha] for _ in range(w)]
                   for _ in range(h)]

    def get8(self, x, y):
        r, g, b, a = self.px[y][x]
        cl = lambda v: max(0, min(255, int(round(v))))
        return cl(r), cl(g), cl(b), cl(a * 255)

    def blend(self, x, y, color, cov):
        if cov <= 0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        cov = min(cov, 1.0)
        p = self.px[y][x]
        da = p[3]
        oa = cov + da * (1 - cov)
        if oa <= 0:
            return
        for i in range(3):
            p[i] = (color[i] * cov + p[i] * da * (1 - cov)) / oa
        p[3] = oa

    def shade(self, fn):
        """Paint every pixel with fn(x, y) -> (r, g, b) (opaque)."""
        for y in range(self.h):
            for x in range(self.w):
                c = fn(x + 0.5, y + 0.5)
                self.px[y][x] = [c[0], c[1], c[2], 1.0]

    # -- polygons (even-odd, supersampled) --------------------------------
    def fill_poly(self, pts, color, alpha=1.0, ss=4, paint=None):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        x0, x1 = max(0, int(min(xs))), min(self.w - 1, int(max(xs)) + 1)
        y0, y1 = max(0, int(min(ys))), min(self.h - 1, int(max(ys)) + 1)
        n = len(pts)
        edges = [(pts[i], pts[(i + 1) % n]) for i in range(n)]
        acc = {}
        for y in range(y0, y1 + 1):
            for sy in range(ss):
                fy = y + (sy + 0.5) / ss
                # spans of this sub-scanline (even-odd rule)
                xc = []
                for (ax, ay), (bx, by) in edges:
                    if (ay <= fy < by) or (by <= fy < ay):
                        xc.append(ax + (fy - ay) * (bx - ax) / (by - ay))
                xc.sort()
                for k in range(0, len(xc) - 1, 2):
                    a, b = xc[k], xc[k + 1]
                    for x in range(max(x0, int(a) - 1), min(x1, int(b) + 1) + 1):
                        cnt = 0
                        for sx in range(ss):
                            if a <= x + (sx + 0.5) / ss < b:
                                cnt += 1
                        if cnt:
                            acc[(x, y)] = acc.get((x, y), 0) + cnt
        total = float(ss * ss)
        for (x, y), cnt in acc.items():
            c = paint(x + 0.5, y + 0.5) if paint else color
            self.blend(x, y, c, alpha * cnt / total)

    def fill_ellipse(self, cx, cy, rx, ry, color, alpha=1.0, n=64):
        pts = [(cx + rx * math.cos(2 * math.pi * i / n),
                cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)]
        self.fill_poly(pts, color, alpha)

    def fill_rect(self, x0, y0, x1, y1, color, alpha=1.0):
        self.fill_poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], color, alpha)

    def fill_round_rect(self, x0, y0, x1, y1, r, color, alpha=1.0, paint=None):
        pts = []
        for cx, cy, a0 in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
                           (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
            for i in range(9):
                a = math.radians(a0 + 90 * i / 8)
                pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.fill_poly(pts, color, alpha, paint=paint)

    # -- thick strokes (distance field) -----------------------------------
    def stroke(self, polylines, width, color, alpha=1.0):
        segs = []
        for pl in polylines:
            if len(pl) == 1:
                segs.append((pl[0], pl[0]))
            for i in range(len(pl) - 1):
                segs.append((pl[i], pl[i + 1]))
        if not segs:
            return
        hw = width / 2.0
        xs = [p[0] for s in segs for p in s]
        ys = [p[1] for s in segs for p in s]
        x0 = max(0, int(min(xs) - hw - 1))
        x1 = min(self.w - 1, int(max(xs) + hw + 1))
        y0 = max(0, int(min(ys) - hw - 1))
        y1 = min(self.h - 1, int(max(ys) + hw + 1))
        for y in range(y0, y1 + 1):
            py = y + 0.5
            near = [s for s in segs
                    if min(s[0][1], s[1][1]) - hw - 1 <= py <= max(s[0][1], s[1][1]) + hw + 1]
            if not near:
                continue
            for x in range(x0, x1 + 1):
                px = x + 0.5
                d = 1e9
                for (ax, ay), (bx, by) in near:
                    dx, dy = bx - ax, by - ay
                    ll = dx * dx + dy * dy
                    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
                    ex, ey = ax + t * dx - px, ay + t * dy - py
                    dd = ex * ex + ey * ey
                    if dd < d:
                        d = dd
                cov = hw + 0.5 - math.sqrt(d)
                if cov > 0:
                    self.blend(x, y, color, alpha * min(1.0, cov))


# ---------------------------------------------------------------------------
# A small stroke font (units: cap height 10, x-height 7, baseline y = 0, y up)
# ---------------------------------------------------------------------------

def arc(cx, cy, rx, ry, a0, a1, n=None):
    if n is None:
        n = max(4, int(abs(a1 - a0) / 12))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n)))
            for i in range(n + 1)]


GLYPHS = {
    ' ': (3.0, []),
    'V': (7.0, [[(0, 10), (3.5, 0), (7, 10)]]),
    'R': (6.5, [[(0, 0), (0, 10), (3.8, 10)] + arc(3.8, 7.5, 2.5, 2.5, 90, -90)
                + [(0, 5)], [(3.4, 5), (6.3, 0)]]),
    'S': (6.0, [arc(3, 7.5, 2.9, 2.5, 25, 270) + arc(3, 2.5, 3.0, 2.5, 90, -155)]),
    'A': (7.0, [[(0, 0), (3.5, 10), (7, 0)], [(1.3, 3.4), (5.7, 3.4)]]),
    'a': (5.4, [arc(2.7, 3.5, 2.7, 3.5, 0, 360), [(5.4, 7), (5.4, 0)]]),
    'c': (5.6, [arc(3.1, 3.5, 3.1, 3.5, 45, 315)]),
    'e': (6.0, [[(0.1, 3.6), (6.0, 3.6)] + arc(3.05, 3.6, 2.95, 3.4, 0, 315)]),
    'h': (5.0, [[(0, 0), (0, 10)], [(0, 4.4)] + arc(2.5, 4.4, 2.5, 2.6, 180, 0)
                + [(5, 0)]]),
    'i': (0.0, [[(0, 0), (0, 7)], [(0, 9.4)]]),
    'k': (5.0, [[(0, 0), (0, 10)], [(4.8, 7), (0, 2.6)], [(1.7, 4.2), (5.0, 0)]]),
    'l': (0.0, [[(0, 0), (0, 10)]]),
    'm': (8.6, [[(0, 0), (0, 7)], [(0, 4.6)] + arc(2.15, 4.6, 2.15, 2.4, 180, 0)
                + [(4.3, 0)], [(4.3, 4.6)] + arc(6.45, 4.6, 2.15, 2.4, 180, 0)
                + [(8.6, 0)]]),
    'n': (5.0, [[(0, 0), (0, 7)], [(0, 4.4)] + arc(2.5, 4.4, 2.5, 2.6, 180, 0)
                + [(5, 0)]]),
    'o': (6.2, [arc(3.1, 3.5, 3.1, 3.5, 0, 360)]),
    'p': (6.0, [[(0, 7), (0, -3)], arc(3.0, 3.5, 3.0, 3.5, 0, 360)]),
    'r': (3.6, [[(0, 0), (0, 7)], [(0, 3.6)] + arc(3.2, 3.6, 3.2, 3.2, 180, 75)]),
    's': (4.8, [arc(2.4, 5.25, 2.3, 1.75, 30, 270) + arc(2.4, 1.75, 2.4, 1.75, 90, -150)]),
    'u': (5.0, [[(0, 7)] + arc(2.5, 2.6, 2.5, 2.6, 180, 360) + [(5, 7)],
                [(5, 7), (5, 0)]]),
    # Cyrillic capitals for the book pages
    '\u0410': (7.0, [[(0, 0), (3.5, 10), (7, 0)], [(1.3, 3.4), (5.7, 3.4)]]),  # A
    '\u0411': (6.3, [[(5.8, 10), (0, 10), (0, 0), (3.3, 0)] + arc(3.3, 2.9, 3.0, 2.9, -90, 90)
                     + [(0, 5.8)]]),                                            # Be
    '\u0412': (6.3, [[(0, 0), (0, 10), (3.4, 10)] + arc(3.4, 7.7, 2.4, 2.3, 90, -90)
                     + [(0, 5.4)], [(3.4, 5.4)] + arc(3.4, 2.7, 2.9, 2.7, 90, -90)
                     + [(0, 0)]]),                                              # Ve
}
TRACK = 2.2   # letter spacing in font units (besides the stroke itself)


def text_width(text, size, weight):
    """size: pixels per font unit"""
    w = 0.0
    for i, ch in enumerate(text):
        w += GLYPHS[ch][0] * size
        if i < len(text) - 1:
            w += TRACK * size + weight
    return w


def text_polylines(text, x, baseline, size, weight):
    out = []
    pen = x
    for ch in text:
        adv, pls = GLYPHS[ch]
        for pl in pls:
            out.append([(pen + px * size, baseline - py * size) for (px, py) in pl])
        pen += adv * size + TRACK * size + weight
    return out


def draw_text(cv, text, cx, baseline, size, weight, color, alpha=1.0,
              shadow=None):
    w = text_width(text, size, weight)
    x = cx - w / 2.0 + weight / 2.0
    if shadow:
        cv.stroke(text_polylines(text, x + 1, baseline + 1, size, weight),
                  weight, shadow[0], shadow[1])
    cv.stroke(text_polylines(text, x, baseline, size, weight), weight, color, alpha)


# ---------------------------------------------------------------------------
# Shared motifs
# ---------------------------------------------------------------------------

def bezier(p0, p1, p2, n=16):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def check_mark(x, y, w, h):
    """Classic tick polygon inside the box (x, y, w, h), y down."""
    pts = [(0.00, 0.58), (0.17, 0.42), (0.38, 0.63), (0.83, 0.00),
           (1.00, 0.14), (0.40, 1.00)]
    return [(x + px * w, y + py * h) for (px, py) in pts]


def grow(pts, d):
    """Crude outward offset of a convex-ish polygon from its centroid."""
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    out = []
    for px, py in pts:
        dx, dy = px - cx, py - cy
        l = math.hypot(dx, dy) or 1
        out.append((px + dx / l * d, py + dy / l * d))
    return out


def draw_open_book(cv, cx, top, half_w, height, cover, page, page_shade, line_col,
                   letters=False, sag=6, lines=True):
    """An open book seen slightly from above: the spine at cx."""
    s_top = top + sag           # spine top (pages dip into the spine)
    s_bot = top + height + sag * 0.6
    o_top = top                 # outer corners
    o_bot = top + height
    # cover, peeking out around the pages
    for side in (-1, 1):
        ox = cx + side * (half_w + 3)
        pts = ([(cx, s_top + 3), (ox, o_top + 3), (ox, o_bot + 4)]
               + bezier((ox, o_bot + 4), (cx + side * half_w * 0.45, o_bot + 2),
                        (cx, s_bot + 4))[1:])
        cv.fill_poly(pts, cover)
    # page stacks (a few offset sheets for thickness)
    for k, sh in ((3, page_shade), (2, page_shade), (1, page_shade), (0, page)):
        for side in (-1, 1):
            ox = cx + side * (half_w - k)
            topc = bezier((cx, s_top + k), (cx + side * half_w * 0.45, o_top - 6 + k),
                          (ox, o_top + k))
            botc = bezier((ox, o_bot + k), (cx + side * half_w * 0.45, o_bot - 4 + k),
                          (cx, s_bot + k))
            pts = topc + botc
            if k == 0:
                # gentle shading towards the spine
                def paint(x, y, side=side):
                    t = min(1.0, abs(x - cx) / (half_w * 0.35))
                    return mix(page_shade, page, 0.35 + 0.65 * t)
                cv.fill_poly(pts, page, paint=paint)
            else:
                cv.fill_poly(pts, sh)
    # text lines on the pages
    for side in ((-1, 1) if lines else ()):
        for i in range(6):
            fy = 0.30 + i * 0.1
            if letters and side < 0 and i < 2:
                continue
            xa = cx + side * half_w * 0.14
            xb = cx + side * half_w * (0.86 if i != 5 else 0.55)
            ya = s_top + (s_bot - s_top) * fy
            yb = o_top + (o_bot - o_top) * fy
            mid = ((xa + xb) / 2, (ya + yb) / 2 - 3)
            cv.stroke([bezier((xa, ya), mid, (xb, yb), 10)], 1.0, line_col, 0.55)
    # spine line
    cv.stroke([[(cx, s_top + 1), (cx, s_bot)]], 1.0, page_shade, 0.9)
    return s_top, s_bot


# ---------------------------------------------------------------------------
# Logo (wizard side banner) and small logo
# ---------------------------------------------------------------------------

NAVY = hexc('0b1c4d')
BLUE = hexc('1f56b3')
PAGE = hexc('fbfaf4')
PAGE_SHADE = hexc('c9cfdc')
RED = hexc('d8231f')
DARK_RED = hexc('8e1210')


def make_logo():
    W, H = 120, 260
    cv = Canvas(W, H)

    def bg(x, y):
        t = y / H
        c = mix(NAVY, BLUE, t ** 0.9)
        # soft light from the upper right
        d = math.hypot(x - 110, y - 20) / 160
        glow = max(0.0, 1 - d) ** 2 * 0.35
        return mix(c, hexc('6fa3ff'), glow)
    cv.shade(bg)

    # faint decorative rings
    for r, a in ((150, 0.06), (125, 0.05), (100, 0.04)):
        pts = arc(-30, 270, r, r, -90, 0, 40)
        cv.stroke([[(p[0], p[1]) for p in pts]], 1.2, (255, 255, 255), a)

    # brand line at the top
    draw_text(cv, 'Velmoran', W / 2, 42, 1.05, 1.35, hexc('bcd3ff'))
    cv.stroke([[(30, 50.5), (90, 50.5)]], 1.0, hexc('bcd3ff'), 0.45)

    # the open book
    s_top, s_bot = draw_open_book(cv, 60, 84, 46, 54, hexc('0a2f6e'), PAGE, PAGE_SHADE,
                                  hexc('8c9ab5'), letters=True)
    # Cyrillic letters on the left page
    draw_text(cv, '\u0410\u0411\u0412', 37, 106, 1.15, 1.6, hexc('1c3f86'))

    # red tick over the right page, with a white halo and a soft shadow
    tick = check_mark(66, 90, 40, 40)
    cv.fill_poly([(x + 2, y + 2) for (x, y) in tick], (0, 0, 0), 0.30)
    cv.fill_poly(grow(tick, 2.2), (255, 255, 255))
    cv.fill_poly(tick, RED, paint=lambda x, y: mix(hexc('f0453b'), hexc('b5120e'), (y - 90) / 40))

    # product name
    draw_text(cv, 'Russian', W / 2, 186, 1.75, 2.3, (255, 255, 255),
              shadow=((0, 0, 0), 0.35))
    draw_text(cv, 'Spellchecker', W / 2, 208, 1.13, 1.6, (255, 255, 255),
              shadow=((0, 0, 0), 0.35))
    cv.stroke([[(22, 222.5), (98, 222.5)]], 1.0, hexc('ff6b5e'), 0.9)
    return cv


def make_logo_small():
    W = 34
    cv = Canvas(W, W, (255, 255, 255))
    # a rounded blue tile with a page and a red tick
    cv.fill_round_rect(2, 2, 32, 32, 5, BLUE,
                       paint=lambda x, y: mix(hexc('2c69cf'), NAVY, y / 34))
    draw_open_book(cv, 17, 9, 12, 14, hexc('0a2f6e'), PAGE, PAGE_SHADE, hexc('8c9ab5'),
                   sag=2.5, lines=False)
    tick = check_mark(15, 12, 15, 15)
    cv.fill_poly(grow(tick, 1.3), (255, 255, 255))
    cv.fill_poly(tick, RED)
    return cv


def make_icon(size):
    cv = Canvas(size, size, (0, 0, 0), alpha=0.0)
    s = size / 32.0
    # closed book: page block, then cover with spine
    cv.fill_round_rect(5.5 * s, 2.5 * s, 27.5 * s, 29.5 * s, 1.8 * s, hexc('6d7d9c'))  # pages edge
    cv.fill_round_rect(6.5 * s, 3.5 * s, 26.5 * s, 28.5 * s, 1.2 * s, hexc('f1f3f7'))  # pages
    cv.fill_rect(6 * s, 26.6 * s, 26.2 * s, 27.2 * s, hexc('b8c0d0'))
    cv.fill_round_rect(4 * s, 2 * s, 25 * s, 27 * s, 2 * s, BLUE,
                       paint=lambda x, y: mix(hexc('3b7be0'), hexc('173f8f'), y / size))
    cv.fill_rect(4 * s, 2.5 * s, 7 * s, 26.5 * s, hexc('0f2f70'), 0.85)             # spine
    cv.fill_rect(10 * s, 7 * s, 21 * s, 12 * s, hexc('dde7fa'))                     # label
    if size >= 32:
        cv.fill_rect(11.5 * s, 8.5 * s, 19.5 * s, 9.3 * s, hexc('7d93bd'))
        cv.fill_rect(11.5 * s, 10 * s, 17 * s, 10.8 * s, hexc('7d93bd'))
    tick = check_mark(12 * s, 14 * s, 19 * s, 17 * s)
    cv.fill_poly(grow(tick, 1.6 * s), (255, 255, 255))
    cv.fill_poly(tick, RED, paint=lambda x, y: mix(hexc('f0453b'), hexc('b5120e'), y / size))
    return cv


# ---------------------------------------------------------------------------
# Tree-view glyphs, 4 bpp, drawn pixel by pixel
# ---------------------------------------------------------------------------

KEY = {
    '.': 13,  # transparent key: magenta
    'K': 0, 'M': 1, 'g': 2, 'O': 3, 'N': 4, 'T': 6, 'S': 7, 'G': 8,
    'R': 9, 'L': 10, 'Y': 11, 'B': 12, 'C': 14, 'W': 15,
}

FIXEDDRIVE = [            # 16 x 11
    "................",
    "...KKKKKKKKKKKK.",
    "..KWWWWWWWWWWSKK",
    ".KWSSSSSSSSSSKGK",
    "KKKKKKKKKKKKKGGK",
    "KWWWWWWWWWWWKGGK",
    "KWSSSSSSSSSSKGGK",
    "KWSKKKKKSSLSKGK.",
    "KWSSSSSSSSSSKGK.",
    "KSGGGGGGGGGGKK..",
    ".KKKKKKKKKKKK...",
]

REMOVABLEDRIVE = [        # 16 x 10
    "................",
    ".KKKKKKKKKKK....",
    "KBCCCCBBBBBNKKKK",
    "KCBBBBBBBBBNSWWK",
    "KBBBBBBBBBBNSKSK",
    "KBBBBBBBBBBNSKSK",
    "KBBBBBBBBLBNSGGK",
    "KNNNNNNNNNNNKKKK",
    ".KKKKKKKKKKK....",
    "................",
]

CLOSEDFOLDER = [          # 16 x 16
    "................",
    "................",
    "................",
    "..KKKKK.........",
    ".KWYYYYK........",
    "KWYYYYYYKKKKKKK.",
    "KWWWWWWWWWWWWWOK",
    "KWYYYYYYYYYYYYOK",
    "KWYYYYYYYYYYYYOK",
    "KWYYYYYYYYYYYYOK",
    "KWYYYYYYYYYYYYOK",
    "KWYYYYYYYYYYYYOK",
    "KWYYYYYYYYYYYYOK",
    "KOOOOOOOOOOOOOOK",
    ".KKKKKKKKKKKKKK.",
    "................",
]

OPENFOLDER = [            # 16 x 16
    "................",
    "................",
    "................",
    "..KKKKK.........",
    ".KWYYYYK........",
    "KWYYYYYYKKKKKK..",
    "KWYYYYYYYYYYYOK.",
    "KWYYKKKKKKKKKKKK",
    "KWYKWWWWWWWWWWWK",
    "KWYKWYYYYYYYYYOK",
    "KWKWYYYYYYYYYOK.",
    "KWKWYYYYYYYYYOK.",
    "KKWYYYYYYYYYOK..",
    "KKWYYYYYYYYYOK..",
    ".KKKKKKKKKKKKK..",
    "................",
]


def glyph_rows(art, w, h):
    assert len(art) == h, (len(art), h)
    rows = []
    for line in art:
        assert len(line) == w, line
        rows.append([KEY[c] for c in line])
    key = rows[-1][0]
    assert key == KEY['.']
    return rows


# ---------------------------------------------------------------------------

def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(
        os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
    bm = os.path.join(root, 'res', 'bitmaps')
    pl = os.path.join(root, 'payload')
    os.makedirs(bm, exist_ok=True)
    os.makedirs(pl, exist_ok=True)

    write_bmp4(os.path.join(bm, 'FIXEDDRIVE.bmp'), glyph_rows(FIXEDDRIVE, 16, 11))
    write_bmp4(os.path.join(bm, 'REMOVABLEDRIVE.bmp'), glyph_rows(REMOVABLEDRIVE, 16, 10))
    write_bmp4(os.path.join(bm, 'OPENFOLDER.bmp'), glyph_rows(OPENFOLDER, 16, 16))
    write_bmp4(os.path.join(bm, 'CLOSEDFOLDER.bmp'), glyph_rows(CLOSEDFOLDER, 16, 16))

    write_ico(os.path.join(root, 'res', 'app.ico'), [make_icon(16), make_icon(32)])

    write_bmp24(os.path.join(pl, 'Logo.bmp'), make_logo())
    write_bmp24(os.path.join(pl, 'LogoSmall.bmp'), make_logo_small())


if __name__ == '__main__':
    main()
