#!/usr/bin/env python3
"""Draws the pictures of the about box and of the visit window.

Run from anywhere: python3 resources/src/make_about_pictures.py. The outputs are committed;
this script is their source. Pure Python, deterministic. The credit line and the web address
are read from dialogs/Creditos.h, so the pictures say what the program says.

Text is drawn with a small stroke font defined below: every glyph is a few polylines on a
grid (cap height 10, x-height 7, descenders to -3), stroked with round ends and antialiased.
"""
import math, os, re, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import write_bmp, render, clamp  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')


def credits():
    """kCreditos and kWeb from dialogs/Creditos.h."""
    with open(os.path.join(ROOT, 'dialogs', 'Creditos.h'), encoding='utf-8') as f:
        text = f.read()
    value = lambda name: re.search(name + r'\s*=\s*L"([^"]*)"', text).group(1)
    return value('kCreditos'), value('kWeb')


# ---- the stroke font -----------------------------------------------------------------------
def arc(cx, cy, rx, ry, a0, a1):
    """Points of an elliptic arc from angle a0 to a1 (degrees, counter-clockwise, y up)."""
    n = max(2, int(abs(a1 - a0) / 10) + 1)
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def ring(cx, cy, rx, ry):
    return arc(cx, cy, rx, ry, 0, 360)


def acute(x, top=10.6):
    return [(x - 0.7, top - 1.9), (x + 1.1, top)]


def tilde(x0, x1, y):
    return [(x0 + (x1 - x0) * t / 8, y + 0.7 * math.sin(math.pi * 2 * t / 8 + math.pi)) for t in range(9)]


BOWL = ring(3.5, 3.5, 3.5, 3.5)
GLYPHS = {
    # width, strokes
    ' ': (3.2, []),
    'A': (7, [[(0, 0), (3.5, 10), (7, 0)], [(1.4, 4), (5.6, 4)]]),
    'B': (6.4, [[(0, 0), (0, 10)], [(0, 10), (3.3, 10)] + arc(3.3, 7.5, 2.5, 2.5, 90, -90) + [(0, 5)],
                [(0, 5), (3.6, 5)] + arc(3.6, 2.5, 2.8, 2.5, 90, -90) + [(0, 0)]]),
    'C': (7, [arc(4, 5, 4, 5, 40, 320)]),
    'D': (7, [[(0, 0), (0, 10), (2.5, 10)] + arc(2.5, 5, 4.5, 5, 90, -90) + [(0, 0)]]),
    'E': (6, [[(6, 10), (0, 10), (0, 0), (6, 0)], [(0, 5), (5, 5)]]),
    'F': (6, [[(6, 10), (0, 10), (0, 0)], [(0, 5), (5, 5)]]),
    'G': (8, [arc(4, 5, 4, 5, 45, 360) + [(4.8, 5)]]),
    'H': (7, [[(0, 0), (0, 10)], [(7, 0), (7, 10)], [(0, 5), (7, 5)]]),
    'I': (0, [[(0, 0), (0, 10)]]),
    'J': (5, [[(5, 10), (5, 3)] + arc(2.5, 3, 2.5, 3, 0, -180)]),
    'K': (6.5, [[(0, 0), (0, 10)], [(6.5, 10), (0, 3.5)], [(2.2, 5.5), (6.5, 0)]]),
    'L': (5.5, [[(0, 10), (0, 0), (5.5, 0)]]),
    'M': (8.5, [[(0, 0), (0, 10), (4.25, 2.5), (8.5, 10), (8.5, 0)]]),
    'N': (7, [[(0, 0), (0, 10), (7, 0), (7, 10)]]),
    'O': (8.4, [ring(4.2, 5, 4.2, 5)]),
    'P': (6.5, [[(0, 0), (0, 10), (3.5, 10)] + arc(3.5, 7.2, 2.9, 2.8, 90, -90) + [(0, 4.4)]]),
    'Q': (8.4, [ring(4.2, 5, 4.2, 5), [(5, 2.8), (8.6, -0.8)]]),
    'R': (6.7, [[(0, 0), (0, 10), (3.5, 10)] + arc(3.5, 7.2, 2.9, 2.8, 90, -90) + [(0, 4.4)],
                [(3.4, 4.4), (6.7, 0)]]),
    'S': (6, [arc(3, 7.5, 3, 2.5, 15, 270) + arc(3, 2.5, 3, 2.5, 90, -165)]),
    'T': (7, [[(0, 10), (7, 10)], [(3.5, 10), (3.5, 0)]]),
    'U': (7, [[(0, 10), (0, 3.5)] + arc(3.5, 3.5, 3.5, 3.5, 180, 360) + [(7, 10)]]),
    'V': (7.4, [[(0, 10), (3.7, 0), (7.4, 10)]]),
    'W': (10.5, [[(0, 10), (2.6, 0), (5.25, 8), (7.9, 0), (10.5, 10)]]),
    'X': (6.8, [[(0, 10), (6.8, 0)], [(0, 0), (6.8, 10)]]),
    'Y': (7, [[(0, 10), (3.5, 5), (7, 10)], [(3.5, 5), (3.5, 0)]]),
    'Z': (6.5, [[(0, 10), (6.5, 10), (0, 0), (6.5, 0)]]),
    'a': (7, [BOWL, [(7, 7), (7, 0)]]),
    'b': (7, [[(0, 10), (0, 0)], BOWL]),
    'c': (6.1, [arc(3.5, 3.5, 3.5, 3.5, 45, 315)]),
    'd': (7, [BOWL, [(7, 10), (7, 0)]]),
    'e': (7, [[(0.2, 3.5), (7, 3.5)] + arc(3.5, 3.5, 3.5, 3.5, 0, 320)]),
    'f': (4.9, [arc(3.9, 8, 2, 2, 60, 180) + [(1.9, 0)], [(0, 7), (4.2, 7)]]),
    'g': (7, [BOWL, [(7, 7), (7, -0.5)] + arc(3.5, -0.5, 3.5, 2.5, 0, -160)]),
    'h': (6.5, [[(0, 10), (0, 0)], arc(3.25, 3.75, 3.25, 3.25, 180, 0) + [(6.5, 0)]]),
    'i': (0, [[(0, 0), (0, 7)], [(0, 9.6)]]),
    'j': (2.5, [[(2.5, 7), (2.5, -1)] + arc(0.8, -1, 1.7, 2, 0, -90), [(2.5, 9.6)]]),
    'k': (6, [[(0, 10), (0, 0)], [(6, 7), (0, 2.5)], [(2.2, 4.2), (6.2, 0)]]),
    'l': (0, [[(0, 10), (0, 0)]]),
    'm': (10, [[(0, 7), (0, 0)], arc(2.5, 4.5, 2.5, 2.5, 180, 0) + [(5, 0)],
               arc(7.5, 4.5, 2.5, 2.5, 180, 0) + [(10, 0)]]),
    'n': (6.5, [[(0, 7), (0, 0)], arc(3.25, 3.75, 3.25, 3.25, 180, 0) + [(6.5, 0)]]),
    'o': (7, [BOWL]),
    'p': (7, [[(0, 7), (0, -3)], BOWL]),
    'q': (7, [BOWL, [(7, 7), (7, -3)]]),
    'r': (4.6, [[(0, 7), (0, 0)], arc(3.5, 3.5, 3.5, 3.5, 180, 90) + [(4.6, 7)]]),
    's': (5.5, [arc(2.75, 5.25, 2.75, 1.75, 20, 270) + arc(2.75, 1.75, 2.75, 1.75, 90, -160)]),
    't': (4.5, [[(1.8, 9.5), (1.8, 1.6)] + arc(3.4, 1.6, 1.6, 1.6, 180, 270) + [(4.5, 0)], [(0, 7), (4.3, 7)]]),
    'u': (6.5, [[(0, 7), (0, 3.25)] + arc(3.25, 3.25, 3.25, 3.25, 180, 360), [(6.5, 7), (6.5, 0)]]),
    'v': (6.5, [[(0, 7), (3.25, 0), (6.5, 7)]]),
    'w': (9.5, [[(0, 7), (2.4, 0), (4.75, 5.5), (7.1, 0), (9.5, 7)]]),
    'x': (6, [[(0, 7), (6, 0)], [(0, 0), (6, 7)]]),
    'y': (6.5, [[(0, 7), (3.4, 0.2)], [(6.5, 7), (2.6, -2.3), (1.2, -3)]]),
    'z': (6, [[(0, 7), (6, 7), (0, 0), (6, 0)]]),
    '0': (6.4, [ring(3.2, 5, 3.2, 5)]),
    '1': (3.5, [[(0, 7.5), (3.5, 10), (3.5, 0)]]),
    '2': (6.2, [arc(3.1, 7, 3.1, 3, 160, -40) + [(0, 0), (6.2, 0)]]),
    '3': (6, [arc(2.9, 7.6, 2.7, 2.4, 150, -90) + arc(2.9, 2.7, 3.1, 2.7, 90, -150)]),
    '4': (6.6, [[(5, 0), (5, 10), (0, 2.8), (6.6, 2.8)]]),
    '5': (6.2, [[(5.8, 10), (0.6, 10), (0.2, 5.6)] + arc(3.1, 3.2, 3.1, 3.2, 130, -150)]),
    '6': (6.4, [arc(3.2, 5, 3.2, 5, 60, 180) + arc(3.2, 3.2, 3.2, 3.2, 180, -180)]),
    '7': (6, [[(0, 10), (6, 10), (1.8, 0)]]),
    '8': (6.4, [ring(3.2, 7.6, 2.7, 2.4), ring(3.2, 2.7, 3.2, 2.7)]),
    '9': (6.4, [arc(3.2, 6.8, 3.2, 3.2, 0, 360) + arc(3.2, 5, 3.2, 5, 0, -120)]),
    '.': (0, [[(0, 0)]]),
    ',': (0.8, [[(0.6, 0.3), (-0.2, -2)]]),
    ':': (0, [[(0, 0)], [(0, 6)]]),
    '/': (5, [[(0, -1), (5, 10.5)]]),
    '-': (4, [[(0, 4), (4, 4)]]),
}


def accented(base, accent):
    width, strokes = GLYPHS[base]
    if base == 'i':
        strokes = strokes[:1]
    return width, strokes + [accent(width)]


for vowel in 'aeou':
    GLYPHS[{'a': 'á', 'e': 'é', 'o': 'ó', 'u': 'ú'}[vowel]] = accented(vowel, lambda w: acute(w / 2 + 0.2))
GLYPHS['í'] = accented('i', lambda w: acute(0.2))
GLYPHS['ñ'] = accented('n', lambda w: tilde(0.3, w - 0.3, 9.2))
for vowel in 'AEIOU':
    GLYPHS[{'A': 'Á', 'E': 'É', 'I': 'Í', 'O': 'Ó', 'U': 'Ú'}[vowel]] = accented(
        vowel, lambda w: acute(w / 2 + 0.2, 13.4))
GLYPHS['Ñ'] = accented('N', lambda w: tilde(0.5, w - 0.5, 12.2))


class Text:
    """A line of text laid out in the stroke font: size is the cap height in pixels, weight
    the stroke width in pixels, slant the italic shear (x per unit of height)."""

    def __init__(self, text, size, weight, slant=0.0):
        self.size, self.weight, self.slant = size, weight, slant
        s = size / 10.0
        self.paths, x = [], 0.0
        for ch in text:
            if ch not in GLYPHS:
                raise KeyError('the stroke font has no glyph for %r' % ch)
            width, strokes = GLYPHS[ch]
            for path in strokes:
                self.paths.append([((x + px * s) + slant * py * s, -py * s) for px, py in path])
            x += width * s + 2.4 * s + weight
        self.width = x - 2.4 * s  # up to the last glyph's ink, round ends included

    def coverage(self, w, h, x0, y0, grow=0.0):
        """Antialiased coverage (0..1) of the strokes, the text's left end at x0 and its
        baseline at y0; grow widens every stroke (for outlines and shadows)."""
        radius = self.weight / 2 + grow
        cov = [[0.0] * w for _ in range(h)]
        for path in self.paths:
            pts = [(x0 + px + self.weight / 2, y0 + py) for px, py in path]
            if len(pts) == 1:
                pts = pts * 2
            for (ax, ay), (bx, by) in zip(pts, pts[1:]):
                stroke(cov, w, h, ax, ay, bx, by, radius)
        return cov


def stroke(cov, w, h, ax, ay, bx, by, radius):
    """Adds a round-ended segment to a coverage grid."""
    xa = max(0, int(min(ax, bx) - radius - 1)); xb = min(w, int(max(ax, bx) + radius + 2))
    ya = max(0, int(min(ay, by) - radius - 1)); yb = min(h, int(max(ay, by) + radius + 2))
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    for y in range(ya, yb):
        py = y + 0.5
        row = cov[y]
        for x in range(xa, xb):
            px = x + 0.5
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
            d = math.hypot(px - (ax + t * dx), py - (ay + t * dy))
            c = radius + 0.5 - d
            if c > row[x]:
                row[x] = 1.0 if c >= 1 else c


def blur(cov, w, h, r):
    """Two passes of a separable box blur of radius r."""
    for _ in range(2):
        for grid_rows in (True, False):
            out = [[0.0] * w for _ in range(h)]
            for y in range(h):
                for x in range(w):
                    acc, n = 0.0, 0
                    for k in range(-r, r + 1):
                        xx, yy = (x + k, y) if grid_rows else (x, y + k)
                        if 0 <= xx < w and 0 <= yy < h:
                            acc += cov[yy][xx]; n += 1
                    out[y][x] = acc / n
            cov = out
    return cov


# ---- a canvas to compose on ----------------------------------------------------------------
class Canvas:
    def __init__(self, w, h, paint):
        """paint(x, y) -> (r, g, b) gives the background."""
        self.w, self.h = w, h
        self.px = [[list(paint(x, y)) for x in range(w)] for y in range(h)]

    def blend(self, x, y, color, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y][x]
        for i in range(3):
            p[i] += (color[i] - p[i]) * a

    def layer(self, cov, color, alpha=1.0, dx=0, dy=0):
        """Paints a coverage grid in a colour (or colour function of x, y), shifted by dx, dy."""
        for y in range(self.h):
            for x in range(self.w):
                sx, sy = x - dx, y - dy
                if 0 <= sx < self.w and 0 <= sy < self.h and cov[sy][sx] > 0:
                    c = color(x, y) if callable(color) else color
                    self.blend(x, y, c, cov[sy][sx] * alpha)

    def sprite(self, rows, ox, oy):
        """Paints rows of (r, g, b, a) from render() with its top left at ox, oy."""
        for y, row in enumerate(rows):
            for x, (r, g, b, a) in enumerate(row):
                self.blend(ox + x, oy + y, (r, g, b), a / 255)

    def rect_outline(self, l, t, r, b, color, a=1.0):
        for x in range(l, r + 1):
            self.blend(x, t, color, a); self.blend(x, b, color, a)
        for y in range(t + 1, b):
            self.blend(l, y, color, a); self.blend(r, y, color, a)

    def text(self, text, x, baseline, fill, outline=None, shadow=True, glow=None):
        """Draws a laid-out Text: a soft shadow, a glow, a dark outline, then the fill."""
        w, h = self.w, self.h
        if glow:
            self.layer(blur(text.coverage(w, h, x, baseline, 2.0), w, h, 3), glow[0], glow[1])
        if shadow:
            self.layer(blur(text.coverage(w, h, x, baseline, 0.8), w, h, 1), (0, 0, 0), 0.75,
                       dx=max(1, round(text.size / 10)), dy=max(1, round(text.size / 10)))
        if outline:
            self.layer(text.coverage(w, h, x, baseline, 1.0), outline)
        self.layer(text.coverage(w, h, x, baseline), fill)

    def rows(self, alpha=False):
        return [[tuple(clamp(c) for c in p) for p in row] for row in self.px]


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def fit(text, max_width, size, weight, slant=0.0, min_size=7):
    """The largest laid-out text up to size that fits max_width."""
    while True:
        laid = Text(text, size, weight, slant)
        if laid.width <= max_width or size <= min_size:
            return laid
        size -= 0.5
        weight = max(1.2, weight * 0.98)


def gold(top, height):
    """A vertical gold gradient over a line of text."""
    return lambda x, y: mix((255, 248, 170), (235, 160, 20), (y - top) / max(1, height))


# ---- small drawings, as shade functions for render() ---------------------------------------
def rounded_box(px, py, l, t, r, b, rad):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (l + r) / 2, (t + b) / 2
    hx, hy = (r - l) / 2 - rad, (b - t) / 2 - rad
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - rad


def shredder(size):
    """A paper shredder, seen from the front: a sheet going into the slot at the top, the
    steel body with its slot and a green light, and strips falling out below."""
    k = size / 32.0

    def shade(x, y):
        x, y = x / k, y / k
        # strips under the body
        if 21 <= y <= 31.5 and 7 <= x <= 25:
            i = int((x - 7) / 2.25)
            sx = 7 + i * 2.25
            wave = 0.5 * math.sin(y * 0.9 + i)
            if sx + 0.35 + wave <= x <= sx + 1.75 + wave and y <= 31.5 - (i % 3) * 1.6:
                return (250, 250, 245, 1.0) if i % 2 else (225, 230, 240, 1.0)
        # the body
        d = rounded_box(x, y, 2, 9, 30, 22, 2.5)
        if d <= 0:
            if 4.5 <= x <= 27.5 and 11.3 <= y <= 12.7:
                return (15, 15, 20, 1.0)  # the slot
            if math.hypot(x - 25.5, y - 18) <= 1.3:
                return (90, 255, 90, 1.0)  # the light
            if d > -0.9:
                return (40, 45, 60, 1.0)
            light = 1.0 - 0.35 * (y - 9) / 13
            return (120 * light + 40, 130 * light + 40, 150 * light + 45, 1.0)
        # the sheet going in, with its lines of writing
        if 8 <= x <= 24 and 0.5 <= y <= 11.5:
            if x < 8.8 or x > 23.2 or y < 1.3:
                return (150, 150, 160, 1.0)
            if 10 <= x <= 22 and int((y - 2.5) * 10) % 20 < 7 and y < 10:
                return (90, 110, 170, 1.0)
            return (255, 255, 250, 1.0)
        return None
    return render(size, size, shade)


def icon_passes(size):
    """A page crossed by bands of five colours: the overwrite methods."""
    k = size / 32.0
    bands = [(230, 70, 60), (240, 170, 40), (90, 200, 90), (70, 150, 240), (170, 100, 230)]

    def shade(x, y):
        x, y = x / k, y / k
        if rounded_box(x, y, 6, 2, 26, 30, 1.5) <= 0:
            edge = rounded_box(x, y, 6, 2, 26, 30, 1.5) > -0.9
            if edge:
                return (140, 150, 170, 1.0)
            if 9 <= x <= 23 and 6 <= y <= 26:
                band = int((y - 6) / 4)
                if (y - 6) % 4 < 2.6:
                    return bands[band] + (1.0,)
            return (252, 252, 248, 1.0)
        return None
    return render(size, size, shade)


def icon_drag(size):
    """A page with an arrow curving down into a slot."""
    k = size / 32.0

    def shade(x, y):
        x, y = x / k, y / k
        d = rounded_box(x, y, 2, 2, 15, 19, 1.2)
        if d <= 0:
            return (140, 150, 170, 1.0) if d > -0.9 else (252, 252, 248, 1.0)
        # arrow shaft along a quarter circle from the page to the slot
        r = math.hypot(x - 15, y - 26)
        ang = math.degrees(math.atan2(26 - y, x - 15))
        if 9.0 <= r <= 11.6 and 0 <= ang <= 85:
            return (255, 220, 60, 1.0)
        # arrow head pointing down at (25.3, 26)
        if 20.5 <= y <= 27 and abs(x - 25.3) <= (27 - y) * 0.75:
            return (255, 220, 60, 1.0)
        # the slot
        if 17 <= x <= 31 and 28 <= y <= 30.5:
            return (40, 45, 60, 1.0)
        return None
    return render(size, size, shade)


def icon_magnifier(size):
    """A magnifying glass over an empty, dashed outline of a page."""
    k = size / 32.0

    def shade(x, y):
        x, y = x / k, y / k
        glass = math.hypot(x - 13, y - 13)
        if glass <= 8.5:
            if glass >= 7:
                return (200, 205, 220, 1.0)
            return (170, 210, 255, 0.35)
        if seg_d(x, y, 19, 19, 28.5, 28.5) <= 2.2:
            return (150, 95, 40, 1.0)
        d = rounded_box(x, y, 3, 1, 23, 31, 1.2)
        if -0.8 <= d <= 0 and int((x + y) / 2) % 2 == 0:
            return (230, 230, 235, 1.0)
        return None
    return render(size, size, shade)


def seg_d(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def icon_team(size):
    """Three figures side by side: the team."""
    k = size / 32.0
    people = [(9, 14, (120, 180, 255)), (23, 14, (255, 160, 90)), (16, 12, (120, 230, 140))]

    def shade(x, y):
        x, y = x / k, y / k
        hit = None
        for cx, top, color in people:  # the middle one is drawn last, in front
            head = math.hypot(x - cx, y - (top - 4.5)) <= 3.6
            body = y >= top + 1 and y <= 30 and ((x - cx) / 6.2) ** 2 + ((y - (top + 9)) / 8.5) ** 2 <= 1 and y <= top + 16
            if head or body:
                hit = color + (1.0,)
        return hit
    return render(size, size, shade)


def icon_globe(size):
    """A globe with its meridians and parallels."""
    k = size / 32.0

    def shade(x, y):
        x, y = x / k, y / k
        dx, dy = x - 16, y - 16
        r = math.hypot(dx, dy)
        if r > 14:
            return None
        if r > 12.9:
            return (230, 240, 255, 1.0)
        lat = math.degrees(math.asin(max(-1, min(1, -dy / 13))))
        lon = math.degrees(math.asin(max(-1, min(1, dx / max(0.001, math.sqrt(max(0.01, 169 - dy * dy)))))))
        if abs(lat % 30) < 2.2 or abs(lat % 30) > 27.8 or abs(lon % 30) < 2.6 or abs(lon % 30) > 27.4:
            return (220, 235, 255, 1.0)
        light = 1.0 - 0.4 * (dx + dy + 26) / 52
        return (40 * light, 110 * light + 20, 200 * light + 30, 1.0)
    return render(size, size, shade)


# ---- the about box -------------------------------------------------------------------------
def about_background():
    """372 x 280, behind the whole box: a night-blue glow, falling paper strips at the bottom,
    a thin gold frame, the motto between two rules, and a gold edge round the place of the
    button's black panel."""
    w, h = 372, 280

    def paint(x, y):
        d = math.hypot((x - w / 2) / w, (y - h * 0.38) / h)
        base = mix((24, 34, 86), (2, 3, 12), d * 1.9)
        # strips of shredded paper, faint, falling in the lowest part
        if y > 200:
            band = (x + 3 * math.sin(y / 9.0)) % 13
            if band < 3.2:
                fade = (y - 200) / 80 * 0.22
                base = mix(base, (200, 210, 235), fade)
        return base
    c = Canvas(w, h, paint)
    c.rect_outline(5, 5, w - 6, h - 6, (200, 160, 60), 0.85)
    c.rect_outline(7, 7, w - 8, h - 8, (200, 160, 60), 0.35)
    # the button's panel lies at 29, 173 and is 313 x 81
    c.rect_outline(27, 171, 29 + 313, 173 + 81, (200, 160, 60), 0.7)
    # under the links, a thin rule, and one over the marquee, with the program's motto between
    for y in (121, 152):
        for x in range(40, w - 40):
            c.blend(x, y, (200, 160, 60), 0.55 * (1 - abs(x - w / 2) / (w / 2 - 40)))
    motto = Text('Destrucción segura de archivos y carpetas', 8, 1.3, 0.1)
    c.text(motto, (w - motto.width) / 2, 141, (165, 185, 235))
    write_bmp('acerca_fondo.bmp', w, h, c.rows())


def about_small_picture():
    write_bmp('acerca_imagen2.bmp', 32, 32, shredder(32), alpha=True)


def about_button(lit):
    """106 x 39 on the black panel: a rounded steel button with "Aceptar"; lit, it glows gold."""
    w, h = 106, 39

    def shade(x, y):
        d = rounded_box(x, y, 1.5, 1.5, w - 1.5, h - 1.5, 9)
        if d > 0:
            return None
        t = (y - 1.5) / (h - 3)
        if d > -1.6:
            return ((255, 215, 90) if lit else (120, 130, 150)) + (1.0,)
        if lit:
            body = mix((90, 120, 220), (20, 35, 120), t)
        else:
            body = mix((70, 78, 98), (25, 28, 40), t)
        if t < 0.45:  # the shine on the upper half
            body = mix(body, (255, 255, 255), 0.16 * (1 - t / 0.45))
        return body + (1.0,)
    c = Canvas(w, h, lambda x, y: (0, 0, 0))
    c.sprite(render(w, h, shade), 0, 0)
    label = Text('Aceptar', 12, 2.0)
    fill = (255, 250, 200) if lit else (200, 205, 215)
    c.text(label, (w - label.width) / 2, 25.5, fill,
           glow=((255, 200, 60), 0.55) if lit else None)
    write_bmp('acerca_boton_con.bmp' if lit else 'acerca_boton_sin.bmp', w, h, c.rows())


# ---- the visit window's banners ------------------------------------------------------------
def banner(number, icon, title, subtitle, colors, sub_size=11):
    """500 x 78: a gradient, an icon on the left, the title in gold and a line under it, and
    six dots at the bottom right, the banner's own one lit."""
    w, h = 500, 78
    top, bottom = colors

    def paint(x, y):
        t = y / (h - 1)
        base = mix(top, bottom, t)
        # a soft diagonal sheen
        s = math.exp(-((x - 0.62 * w - 0.8 * y) / 70.0) ** 2)
        return mix(base, (255, 255, 255), 0.10 * s)
    c = Canvas(w, h, paint)
    for x in range(w):  # a thin light line at the top and a dark one at the bottom
        c.blend(x, 0, (255, 255, 255), 0.35)
        c.blend(x, h - 1, (0, 0, 0), 0.45)
    c.sprite(icon(56), 14, 11)
    left, right = 84, w - 14
    room = right - left
    main = fit(title, room, 24, 3.0, 0.12)
    sub = fit(subtitle, room, sub_size, 1.5 * sub_size / 11) if subtitle else None
    if sub:
        base1 = 36 + (24 - main.size) / 2
        c.text(main, left + (room - main.width) / 2, base1, gold(base1 - main.size, main.size),
               outline=(60, 30, 0))
        c.text(sub, left + (room - sub.width) / 2, 61, (235, 240, 255))
    else:
        base1 = 47 + (24 - main.size) / 2
        c.text(main, left + (room - main.width) / 2, base1, gold(base1 - main.size, main.size),
               outline=(60, 30, 0))
    for i in range(6):  # where this banner comes in the cycle
        cx, cy = w - 66 + i * 10, h - 7
        for y in range(cy - 3, cy + 4):
            for x in range(cx - 3, cx + 4):
                a = max(0.0, min(1.0, 3.2 - math.hypot(x + 0.5 - cx, y + 0.5 - cy)))
                c.blend(x, y, (255, 220, 80) if i == number - 1 else (255, 255, 255), a * (1 if i == number - 1 else 0.35))
    write_bmp('visitanos%d.bmp' % number, w, h, c.rows())


def banners():
    credit, web = credits()
    address = re.sub(r'^[a-z]+://', '', web)
    banner(1, shredder, 'Trituradora de documentos', 'Destrucción segura de archivos y carpetas',
           ((18, 40, 110), (6, 12, 40)))
    banner(2, icon_passes, 'Cinco métodos de borrado', 'de 1 a 100 pasadas sobre cada archivo',
           ((90, 20, 60), (30, 5, 25)))
    banner(3, icon_drag, 'Arrastre, suelte y triture', 'del árbol de carpetas a la trituradora',
           ((10, 80, 80), (3, 25, 30)))
    banner(4, icon_magnifier, 'Ni rastro de sus datos', 'contenido, nombre y fechas, borrados para siempre',
           ((70, 45, 120), (20, 10, 45)))
    banner(5, icon_team, credit, 'Gracias por confiar en nuestro trabajo',
           ((20, 90, 40), (5, 30, 12)))
    banner(6, icon_globe, 'Visítenos en', address, ((15, 60, 130), (4, 18, 50)), sub_size=14)


def ok_glyph():
    """The Aceptar button's glyph, 18 x 18: a green tick."""
    size = 18

    def shade(x, y):
        d = min(seg_d(x, y, 3, 9.5, 7.2, 14), seg_d(x, y, 7.2, 14, 15, 4))
        if d <= 2.1:
            light = 1.0 - 0.4 * y / size
            return (30 * light, 170 * light + 20, 40 * light, 1.0) if d <= 1.4 else (10, 80, 15, 1.0)
        return None
    write_bmp('visitanos_ok.bmp', size, size, render(size, size, shade), alpha=True)


if __name__ == '__main__':
    about_background()
    about_small_picture()
    about_button(False)
    about_button(True)
    banners()
    ok_glyph()
