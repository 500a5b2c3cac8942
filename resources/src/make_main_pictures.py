#!/usr/bin/env python3
"""Draws the pictures of the main window and the application icon.

Run from anywhere: python3 resources/src/make_main_pictures.py. The outputs (BMP files and
trituradora.ico in resources/) are committed; this script is their source. Pure Python and
deterministic: the same script always writes the same bytes.

Everything is drawn as vector shapes: polygons are rasterised with exact horizontal coverage on
several sub-scanlines per pixel, then composited in premultiplied RGBA. The button words use a small
stroke font defined below, snapped to the pixel grid so that the stems stay sharp.
"""
import math, os, struct, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import write_bmp, clamp  # noqa: E402  (the shared BMP writer)

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')


# ==== rasteriser ===========================================================================
def area(poly):
    s = 0.0
    for i in range(len(poly)):
        x0, y0 = poly[i - 1]; x1, y1 = poly[i]
        s += x0 * y1 - x1 * y0
    return s / 2


def positive(poly):
    """The polygon with a positive orientation, so that overlapping pieces add up (nonzero rule)."""
    return poly if area(poly) >= 0 else poly[::-1]


def negative(poly):
    """The polygon with a negative orientation: a hole inside a positive one."""
    return poly[::-1] if area(poly) > 0 else poly


def fill(w, h, polys, ss=6):
    """Coverage (0..1, w*h list) of the union of the polygons under the nonzero winding rule."""
    rows = h * ss
    cross = [[] for _ in range(rows)]
    for poly in polys:
        n = len(poly)
        for i in range(n):
            x0, y0 = poly[i - 1]; x1, y1 = poly[i]
            if y0 == y1:
                continue
            d = 1 if y1 > y0 else -1
            if y0 > y1:
                x0, y0, x1, y1 = x1, y1, x0, y0
            j0 = max(0, math.ceil(y0 * ss - 0.5)); j1 = min(rows, math.ceil(y1 * ss - 0.5))
            k = (x1 - x0) / (y1 - y0)
            for j in range(j0, j1):
                cross[j].append((x0 + ((j + 0.5) / ss - y0) * k, d))
    mask = [0.0] * (w * h)
    for y in range(h):
        part = [0.0] * (w + 2); full = [0.0] * (w + 2)
        any_span = False
        for j in range(y * ss, y * ss + ss):
            c = cross[j]
            if not c:
                continue
            c.sort()
            wind = 0
            for idx in range(len(c) - 1):
                wind += c[idx][1]
                if wind == 0:
                    continue
                xa = max(0.0, min(float(w), c[idx][0])); xb = max(0.0, min(float(w), c[idx + 1][0]))
                if xb <= xa:
                    continue
                any_span = True
                ia = int(xa); ib = int(xb)
                if ia == ib:
                    part[ia] += xb - xa
                else:
                    part[ia] += ia + 1 - xa
                    full[ia + 1] += 1; full[ib] -= 1
                    part[ib] += xb - ib
        if not any_span:
            continue
        run = 0.0; base = y * w
        for x in range(w):
            run += full[x]
            v = (run + part[x]) / ss
            if v > 0:
                mask[base + x] = 1.0 if v > 1 else v
    return mask


# ---- shapes (screen coordinates, y down; angles in degrees, counter-clockwise as seen) --------
def arc(cx, cy, rx, ry, a0, a1, n=None):
    if n is None:
        n = max(6, int(abs(a1 - a0) / 360 * 2 * math.pi * max(rx, ry) / 0.6))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy - ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def ellipse(cx, cy, rx, ry):
    return positive(arc(cx, cy, rx, ry, 0, 360)[:-1])


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rrect(x0, y0, x1, y1, r):
    r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
    pts = (arc(x1 - r, y0 + r, r, r, 0, 90) + arc(x0 + r, y0 + r, r, r, 90, 180) +
           arc(x0 + r, y1 - r, r, r, 180, 270) + arc(x1 - r, y1 - r, r, r, 270, 360))
    return positive(pts)


def rect(x0, y0, x1, y1):
    return positive([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def stroke(path, width, closed=False):
    """Polygons covering a polyline drawn with a round pen of the given width."""
    r = width / 2
    polys = []
    pts = list(path) + ([path[0]] if closed else [])
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy)
        if ln < 1e-9:
            continue
        nx, ny = -dy / ln * r, dx / ln * r
        polys.append(positive([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    seg = max(8, int(2 * math.pi * r / 0.5))
    for (x, y) in pts:
        polys.append(positive(arc(x, y, r, r, 0, 360, seg)[:-1]))
    return polys


def transform(polys, f):
    return [positive([f(x, y) for (x, y) in p]) if area(p) >= 0 else negative([f(x, y) for (x, y) in p])
            for p in polys]


# ---- masks ----------------------------------------------------------------------------------
def mul(a, b):
    return [x * y for x, y in zip(a, b)]


def sub(a, b):
    return [x * (1 - y) for x, y in zip(a, b)]


def shift(m, w, h, dx, dy):
    out = [0.0] * (w * h)
    for y in range(h):
        sy = y - dy
        if 0 <= sy < h:
            for x in range(w):
                sx = x - dx
                if 0 <= sx < w:
                    out[y * w + x] = m[sy * w + sx]
    return out


def blur(m, w, h, radius, passes=3):
    """Approximately Gaussian blur: repeated box blurs of the given radius (in pixels)."""
    for _ in range(passes):
        tmp = [0.0] * (w * h)
        for y in range(h):
            row = m[y * w:(y + 1) * w]
            for x in range(w):
                s = 0.0; n = 0
                for k in range(x - radius, x + radius + 1):
                    if 0 <= k < w:
                        s += row[k]
                    n += 1
                tmp[y * w + x] = s / n
        out = [0.0] * (w * h)
        for x in range(w):
            for y in range(h):
                s = 0.0; n = 0
                for k in range(y - radius, y + radius + 1):
                    if 0 <= k < h:
                        s += tmp[k * w + x]
                    n += 1
                out[y * w + x] = s / n
        m = out
    return m


# ---- paints ---------------------------------------------------------------------------------
def mix(c0, c1, t):
    c0 = tuple(c0) + (1.0,) * (4 - len(c0)); c1 = tuple(c1) + (1.0,) * (4 - len(c1))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def ramp(stops, t):
    if t <= stops[0][0]:
        return mix(stops[0][1], stops[0][1], 0)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            u = (t - t0) / (t1 - t0) if t1 > t0 else 0
            u = u * u * (3 - 2 * u)                    # smooth between stops
            return mix(c0, c1, u)
    return mix(stops[-1][1], stops[-1][1], 0)


def linear(x0, y0, x1, y1, stops):
    dx, dy = x1 - x0, y1 - y0; ll = dx * dx + dy * dy
    return lambda x, y: ramp(stops, ((x - x0) * dx + (y - y0) * dy) / ll)


def radial(cx, cy, rx, ry, stops):
    return lambda x, y: ramp(stops, math.hypot((x - cx) / rx, (y - cy) / ry))


class Canvas:
    """Premultiplied RGBA pixels: colour channels 0..255, alpha 0..1."""

    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        if bg is not None:
            self.paint([1.0] * (w * h), bg)

    def paint(self, mask, colour, opacity=1.0):
        w = self.w
        const = not callable(colour)
        if const:
            c = mix(colour, colour, 0)
        for i, m in enumerate(mask):
            if m <= 0:
                continue
            if not const:
                c = colour(i % w + 0.5, i // w + 0.5)
            a = m * c[3] * opacity
            if a <= 0:
                continue
            p = self.px[i]; k = 1 - a
            p[0] = c[0] * a + p[0] * k; p[1] = c[1] * a + p[1] * k
            p[2] = c[2] * a + p[2] * k; p[3] = a + p[3] * k

    def rows(self, alpha):
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if alpha:
                    row.append((clamp(r / a), clamp(g / a), clamp(b / a), clamp(a * 255)) if a > 0 else (0, 0, 0, 0))
                else:
                    row.append((clamp(r), clamp(g), clamp(b)))
            out.append(row)
        return out

    def alpha_mask(self):
        return [p[3] for p in self.px]


# ==== stroke font ==========================================================================
# Glyphs in font units: baseline y = 0, x-height 5, capitals and ascenders 7, descenders -2; y up.
# 'adv' is the width of the glyph's box; its stems lie on x = 0 and x = adv.
def _e(cx, cy, rx, ry, a0, a1):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / 48)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / 48))) for i in range(49)]


def _font():
    bowl = _e(2, 2.5, 2, 2.5, 0, 360)
    g = {
        'a': (4, [bowl, [(4, 5), (4, 0)]]),
        'c': (3.5, [_e(2, 2.5, 2, 2.5, 48, 312)]),
        'd': (4, [bowl, [(4, 7.2), (4, 0)]]),
        'e': (4, [[(0.2, 2.6), (4, 2.6)] + _e(2, 2.5, 2, 2.5, 2, 318)]),
        'i': (0, [[(0, 5), (0, 0)], [(0, 7.0)]]),
        'n': (4, [[(0, 5), (0, 0)], [(0, 2.6)] + _e(2, 2.8, 2, 2.2, 180, 0) + [(4, 0)]]),
        'o': (4, [bowl]),
        'p': (4, [bowl, [(0, 5), (0, -2)]]),
        'r': (2.5, [[(0, 5), (0, 0)], [(0, 2.4)] + _e(2.7, 2.5, 2.7, 2.5, 180, 97)]),
        's': (3.6, [_e(1.8, 3.8, 1.75, 1.2, 20, 270)[:-1] + _e(1.8, 1.25, 1.8, 1.25, 90, -160)]),
        'v': (4.4, [[(0, 5), (2.2, 0), (4.4, 5)]]),
        'A': (5.2, [[(0, 0), (2.6, 7), (5.2, 0)], [(0.95, 2.4), (4.25, 2.4)]]),
        'O': (5.8, [_e(2.9, 3.5, 2.9, 3.5, 0, 360)]),
        'V': (5.2, [[(0, 7), (2.6, 0), (5.2, 7)]]),
        'I': (0, [[(0, 0), (0, 7)]]),
        '/': (3.0, [[(0, -0.4), (3.0, 7.4)]]),
        ' ': (1.6, []),
    }
    return g


FONT = _font()


class Text:
    """A line of text laid out at a size: scale px per unit, stroke width in px, hinted to the grid."""

    def __init__(self, s, scale, weight=2.0, spacing=0.8):
        self.s, self.scale, self.weight = s, scale, weight
        self.xh = round(5 * scale); self.cap = round(7 * scale); self.desc = round(2 * scale)
        self.gap = round(spacing * scale + weight)
        self.boxes = []
        x = 0
        for ch in s:
            adv, _ = FONT[ch]
            wpx = round(adv * scale)
            self.boxes.append((x, wpx))
            x += wpx + self.gap
        self.width = x - self.gap              # from the first stem to the last stem

    def _y(self, y):
        if y <= 0:
            return y / 2 * self.desc
        if y <= 5:
            return y / 5 * self.xh
        return self.xh + (y - 5) / 2 * (self.cap - self.xh)

    def polys(self, ox, baseline):
        """Polygons of the text with its first stem at x = ox and its baseline at y = baseline."""
        out = []
        for ch, (bx, wpx) in zip(self.s, self.boxes):
            adv, paths = FONT[ch]
            sx = wpx / adv if adv else 0
            for path in paths:
                pts = [(ox + bx + x * sx, baseline - self._y(y)) for (x, y) in path]
                out += stroke(pts, self.weight)
        return out


# ==== glossy buttons =======================================================================
BLUE = dict(top=(112, 181, 245), mid=(38, 124, 218), bottom=(20, 86, 178), edge=(13, 60, 132),
            glow=(120, 200, 255), shadow=(8, 40, 96))
RED = dict(top=(245, 128, 112), mid=(214, 52, 44), bottom=(168, 28, 26), edge=(110, 16, 14),
           glow=(255, 150, 120), shadow=(80, 8, 6))


def button(name, w, h, words, pal, scale, icon=None, trail=None):
    cv = Canvas(w, h)
    bottom = h - 1.5
    radius = min(8.0, (bottom - 0.5) / 2 - 2)
    # soft shadow under the body
    sh = fill(w, h, [rrect(1.0, 1.5, w - 1.0, h - 0.2, radius)])
    cv.paint(blur(sh, w, h, 1, 2), (0, 0, 0, 0.30))
    body = fill(w, h, [rrect(0.5, 0.5, w - 0.5, bottom, radius)])
    cv.paint(body, pal['edge'])
    inner = fill(w, h, [rrect(1.5, 1.5, w - 1.5, bottom - 1, radius - 1)])
    cv.paint(inner, linear(0, 1.5, 0, bottom - 1, [(0, pal['top']), (0.5, pal['mid']), (1, pal['bottom'])]))
    # a glow of reflected light along the bottom
    cv.paint(inner, radial(w / 2, bottom + 2, w * 0.55, (h - 2) * 0.55,
                           [(0, pal['glow'] + (0.55,)), (1, pal['glow'] + (0.0,))]))
    # the gloss: a lighter cap over the upper half
    gloss = fill(w, h, [rrect(2.5, 2.0, w - 2.5, (bottom + 1) * 0.5, radius - 1.5)])
    cv.paint(gloss, linear(0, 2, 0, (bottom + 1) * 0.5, [(0, (255, 255, 255, 0.55)), (1, (255, 255, 255, 0.12))]))
    # a thin light line just inside the top edge
    top_line = sub(inner, fill(w, h, [rrect(1.5, 2.5, w - 1.5, bottom - 1, radius - 1)]))
    cv.paint(top_line, (255, 255, 255, 0.45))
    # contents: icon + words (+ trailing mark), centred as one block
    t = Text(words, scale)
    icon_w = icon[0] if icon else 0
    trail_w = trail[0] if trail else 0
    gap = round(t.scale * 2.6)
    total = icon_w + (gap if icon else 0) + t.width + t.weight + (gap if trail else 0) + trail_w
    x = round((w - total) / 2)
    baseline = round((bottom + 0.5) / 2 + t.cap / 2)
    polys = []
    if icon:
        polys += icon[1](x, baseline, t)
        x += icon_w + gap
    polys += t.polys(x + t.weight / 2, baseline)
    x += t.width + t.weight
    if trail:
        polys += trail[1](x + gap, baseline, t)
    ink = fill(w, h, polys, ss=8)
    cv.paint(mul(shift(ink, w, h, 0, 1), body), pal['shadow'] + (0.55,))
    cv.paint(ink, (255, 255, 255))
    write_bmp(name, w, h, cv.rows(alpha=True), alpha=True)
    return cv


def info_icon(size):
    """A white disc with an 'i' cut out of it, as tall as the capitals."""
    def draw(x, baseline, t):
        r = size / 2
        cx, cy = x + r, baseline - t.cap / 2
        dot = negative(circle(cx, cy - r * 0.5, 1.25))
        stem = negative(rect(cx - 1.0, cy - r * 0.16, cx + 1.0, cy + r * 0.62))
        return [positive(circle(cx, cy, r)), dot, stem]
    return (size, draw)


def gear_icon(size):
    """A cog wheel with eight teeth and a hole."""
    def draw(x, baseline, t):
        r = size / 2
        cx, cy = x + r, baseline - t.cap / 2
        teeth = 8; pts = []
        for i in range(teeth * 16):
            a = 2 * math.pi * i / (teeth * 16)
            ph = (i % 16) / 16
            rr = r if 0.1 < ph < 0.45 else r * 0.74        # tooth tops and valleys
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        return [positive(pts), negative(circle(cx, cy, r * 0.34))]
    return (size, draw)


def chevrons(count, scale):
    """'>>' marks: chevrons a little taller than the x-height of text at this scale."""
    t = Text('o', scale)
    hgt = t.xh + 1; step = round(hgt * 0.55)

    def draw(x, baseline, t):
        polys = []
        top = baseline - t.xh / 2 - hgt / 2
        for k in range(count):
            x0 = x + k * step
            polys += stroke([(x0, top), (x0 + hgt * 0.5, top + hgt / 2), (x0, top + hgt)], t.weight)
        return polys
    return ((count - 1) * step + hgt * 0.5, draw)


# ==== the shredder: a glass waste bin with a recycling mark and a sheet going in ============
def smooth(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def band(x, a, b, soft):
    """1 inside [a, b], fading out over soft on both sides."""
    return smooth(a - soft, a, x) * (1 - smooth(b, b + soft, x))


class Bin:
    """A tapered cylinder seen from slightly above: top rim ellipse and bottom ellipse."""

    def __init__(self, cx, yt, rxt, ryt, yb, rxb, ryb):
        self.cx, self.yt, self.rxt, self.ryt, self.yb, self.rxb, self.ryb = cx, yt, rxt, ryt, yb, rxb, ryb

    def at(self, s):
        """Centre y, rx, ry of the cross-section at height s (0 top rim, 1 bottom)."""
        return (self.yt + (self.yb - self.yt) * s, self.rxt + (self.rxb - self.rxt) * s,
                self.ryt + (self.ryb - self.ryt) * s)

    def point(self, theta, s):
        """A point of the wall: theta in degrees, 0 facing the viewer, +90 at the right."""
        y0, rx, ry = self.at(s)
        t = math.radians(theta)
        return (self.cx + rx * math.sin(t), y0 + ry * math.cos(t))

    def front(self):
        n = 90
        return positive([self.point(-90 + 180 * i / n, 0) for i in range(n + 1)] +
                        [self.point(90 - 180 * i / n, 1) for i in range(n + 1)])

    def silhouette(self):
        return [self.front(), ellipse(self.cx, self.yt, self.rxt, self.ryt)]

    def unwrap(self, x, y, back=False):
        """(theta, s) of the front (or back) wall point seen at pixel (x, y)."""
        s = (y - self.yt) / (self.yb - self.yt)
        th = 0.0
        for _ in range(4):
            y0, rx, ry = self.at(s)
            u = max(-1.0, min(1.0, (x - self.cx) / rx))
            th = math.asin(u)
            c = math.cos(th) * (-1 if back else 1)
            s = (y - self.yt - ry * c) / ((self.yb - self.yt) + (self.ryb - self.ryt) * c)
        return math.degrees(th), s


GLASS = (168, 214, 236)
GLASS_EDGE = (52, 112, 150)


def recycle_mark(size, bw):
    """Three chasing arrows round a rounded triangle, in mark coordinates centred on (0, 0)."""
    R = size * 0.5; rc = size * 0.075
    corners = [(R * math.cos(math.radians(a)), -R * math.sin(math.radians(a))) for a in (90, 330, 210)]
    # the centre line: arcs round each corner joined by straight sides, then resampled evenly
    path = []
    for i, (vx, vy) in enumerate(corners):
        d = math.hypot(vx, vy); ux, uy = vx / d, vy / d
        ccx, ccy = vx - ux * 2 * rc, vy - uy * 2 * rc
        mid = math.degrees(math.atan2(-uy, ux))
        path += arc(ccx, ccy, rc, rc, mid + 60, mid - 60, 30)
    path.append(path[0])
    lens = [0.0]
    for a, b in zip(path, path[1:]):
        lens.append(lens[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = lens[-1]

    def at(d):
        d %= total
        for i in range(len(lens) - 1):
            if lens[i + 1] >= d:
                t = (d - lens[i]) / (lens[i + 1] - lens[i] or 1)
                (x0, y0), (x1, y1) = path[i], path[i + 1]
                return x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        return path[-1]

    # the path starts where the arc round corner 0 begins; corner k's middle lies one sixth of a
    # corner arc further than k / 3 of the way round
    corner_arc = 2 * math.pi * rc / 3
    polys = []
    gap = bw * 0.85; head = bw * 1.35; hw = bw * 1.0
    for k in range(3):
        c = k / 3 * total + corner_arc / 2
        d0 = c - total / 6 + gap / 2; d1 = c + total / 6 - gap / 2
        tail_end = d1 - head
        n = 40
        pts = [at(d0 + (tail_end - d0) * i / n) for i in range(n + 1)]
        left, right = [], []
        for i, (x, y) in enumerate(pts):
            xa, ya = pts[max(0, i - 1)]; xb, yb = pts[min(n, i + 1)]
            tx, ty = xb - xa, yb - ya; tl = math.hypot(tx, ty)
            nx, ny = -ty / tl, tx / tl
            left.append((x + nx * bw / 2, y + ny * bw / 2)); right.append((x - nx * bw / 2, y - ny * bw / 2))
        polys.append(positive(left + right[::-1]))
        # the head: a triangle pointing along the path
        bx, by = pts[-1]; tx, ty = at(d1)
        ax, ay = pts[-2]
        dx, dy = bx - ax, by - ay; dl = math.hypot(dx, dy); dx, dy = dx / dl, dy / dl
        nx, ny = -dy, dx
        polys.append(positive([(bx + nx * hw - dx * 0.3, by + ny * hw - dy * 0.3), (tx, ty),
                               (bx - nx * hw - dx * 0.3, by - ny * hw - dy * 0.3)]))
    return polys


def paper_sheet(cx, top, w, h, angle, k=1.0):
    """Outline of a sheet with a folded top-right corner, its fold flap, and its lines of text."""
    fold = 9 * k
    x0, x1, y0, y1 = cx - w / 2, cx + w / 2, top, top + h
    outline = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    flap = [(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]
    lines = []
    y = y0 + 9 * k
    lengths = [0.55, 0.0, 0.86, 0.78, 0.9, 0.62, 0.0, 0.88, 0.8, 0.92, 0.7, 0.85, 0.5]
    for i, frac in enumerate(lengths):
        if y > y1 - 6 * k:
            break
        if frac:
            room = w - 14 * k - (fold if y < y0 + fold + 3 * k else 0)
            lines.append((i == 0, [(x0 + 7 * k, y), (x0 + 7 * k + room * frac, y)]))
        y += 5.5 * k
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    cy = top + h / 2
    turn = lambda pts: [(cx + (x - cx) * c + (y - cy) * s, cy - (x - cx) * s + (y - cy) * c) for x, y in pts]
    return positive(turn(outline)), positive(turn(flap)), [(bold, turn(l)) for bold, l in lines]


def draw_bin(cv, b, k=1.0, paper=None, shreds=True, mark=True, glass_alpha=1.0):
    """Paints the bin back to front: back wall, floor, back rim, contents, front wall, mark, front rim.

    k scales the strokes and rim for small renderings; paper is (cx, top, width, height, angle)."""
    w, h = cv.w, cv.h
    sil = fill(w, h, b.silhouette())
    front = fill(w, h, [b.front()])
    top = fill(w, h, [ellipse(b.cx, b.yt, b.rxt, b.ryt)])
    lower = fill(w, h, [rect(-1, b.yt, w + 1, h + 1)])        # below the rim's centre line
    upper = [1 - v for v in lower]

    def back_wall(x, y):
        th, s = b.unwrap(x, y, back=True)
        u = abs(math.sin(math.radians(th)))
        a = (0.20 + 0.45 * u ** 4 + 0.16 * smooth(0.2, 1.0, s)) * glass_alpha
        return mix(GLASS, GLASS_EDGE, 0.25 + 0.5 * u ** 3)[:3] + (min(1.0, a),)
    cv.paint(sil, back_wall)
    # the floor, seen through the front wall
    floor = fill(w, h, [ellipse(b.cx, b.yb, b.rxb, b.ryb)])
    cv.paint(floor, radial(b.cx, b.yb, b.rxb, b.ryb, [(0, GLASS + (0.12,)), (0.8, GLASS + (0.2,)),
                                                      (1, GLASS_EDGE + (0.45,))]), glass_alpha)
    # looking into the opening: the inner wall darkens towards the front lip
    cv.paint(top, linear(0, b.yt - b.ryt, 0, b.yt + b.ryt, [(0, (120, 170, 195, 0.10)), (1, (40, 80, 110, 0.30))]),
             glass_alpha)
    # back half of the rim
    ro, ri = (2.6 * k, 2.0 * k), (1.8 * k, 1.3 * k)
    ring = [ellipse(b.cx, b.yt, b.rxt + ro[0], b.ryt + ro[1]), negative(ellipse(b.cx, b.yt, b.rxt - ri[0], b.ryt - ri[1]))]
    ringm = fill(w, h, ring)
    cv.paint(mul(ringm, upper), linear(0, b.yt - b.ryt - ro[1], 0, b.yt, [(0, (226, 244, 252, 0.85)),
                                                                         (1, (110, 165, 195, 0.85))]))
    if shreds:
        draw_shreds(cv, b, sil)
    if paper:
        draw_paper(cv, paper, k)
    # the front wall
    def front_wall(x, y):
        th, s = b.unwrap(x, y)
        u = math.sin(math.radians(th))
        a = 0.14 + 0.55 * abs(u) ** 4
        col = mix(GLASS, GLASS_EDGE, 0.15 + 0.6 * abs(u) ** 3)
        # specular streaks: a broad one at the left, a thin one at the right
        hl = 0.65 * band(th, -58, -44, 7) * (1 - 0.6 * s) + 0.45 * band(th, 54, 58, 4) * (1 - 0.5 * s)
        hl += 0.12 * band(th, -30, 20, 20) * (1 - s)         # a faint sheen over the middle
        a = a + hl * (1 - a)
        col = mix(col, (255, 255, 255), hl / max(a, 1e-6))
        return col[:3] + (min(1.0, a * glass_alpha),)
    cv.paint(front, front_wall)
    # darker glass edges along the sides and the bottom
    ew = max(0.9, 1.2 * k)
    edge_polys = stroke([b.point(-90, 0), b.point(-90, 1)], ew) + stroke([b.point(90, 0), b.point(90, 1)], ew)
    edge_polys += stroke([b.point(90 - 180 * i / 60, 1) for i in range(61)], ew * 1.15)
    cv.paint(mul(fill(w, h, edge_polys), lower), GLASS_EDGE + (min(1.0, 0.55 * glass_alpha),))
    if mark:
        draw_mark(cv, b, k)
    # front half of the rim: a thick lip lit from the top left
    def lip(x, y):
        t = (y - b.yt) / (b.ryt + ro[1])
        col = ramp([(0, (235, 248, 253)), (0.6, (170, 212, 232)), (1, (96, 150, 180))], t)
        th, _ = b.unwrap(x, y)
        hl = band(th, -60, -40, 8)
        return mix(col, (255, 255, 255), 0.8 * hl)[:3] + (0.92,)
    cv.paint(mul(ringm, lower), lip)
    outer = stroke(arc(b.cx, b.yt, b.rxt + ro[0], b.ryt + ro[1], 180, 360), max(0.8, 1.0 * k))
    cv.paint(fill(w, h, outer), GLASS_EDGE + (min(1.0, 0.6 * glass_alpha),))
    inner_edge = stroke(arc(b.cx, b.yt, b.rxt - ri[0], b.ryt - ri[1], 0, 180), max(0.7, 0.9 * k))
    cv.paint(fill(w, h, inner_edge), GLASS_EDGE + (0.35,))


def draw_mark(cv, b, k=1.0):
    """The recycling mark printed on the front wall, wrapped round the curve."""
    w, h = cv.w, cv.h
    size = b.rxt * 0.92
    s_mid = 0.45
    y_mid, rx_mid, ry_mid = b.at(s_mid)

    def wrap(x, y):
        # mark coordinates (x across, y down, centred) onto the wall
        s = s_mid + y / (b.yb - b.yt)
        th = math.degrees(x / rx_mid)
        return b.point(th, s)
    mark = recycle_mark(size, size * 0.13)
    outline = []
    for p in mark:
        outline += stroke(p, 2.4 * k, closed=True)
    cv.paint(fill(w, h, transform(outline, wrap)), (255, 255, 255, 0.85))
    m = fill(w, h, transform(mark, wrap))
    top = y_mid - size * 0.55
    cv.paint(m, linear(0, top, 0, top + size * 1.05, [(0, (110, 214, 96)), (0.55, (40, 160, 64)), (1, (22, 116, 48))]))
    # a little gloss on the upper part of the arrows
    cv.paint(m, linear(0, top, 0, top + size * 0.6, [(0, (255, 255, 255, 0.35)), (1, (255, 255, 255, 0.0))]))


class Lcg:
    """A tiny deterministic generator for the scatter of paper strips."""

    def __init__(self, seed):
        self.v = seed

    def __call__(self):
        self.v = (self.v * 1103515245 + 12345) & 0x7fffffff
        return self.v / 0x7fffffff


def draw_shreds(cv, b, clip):
    """A heap of paper strips on the floor of the bin."""
    w, h = cv.w, cv.h
    rnd = Lcg(2024)
    colours = [(250, 250, 248), (242, 244, 236), (236, 242, 250), (252, 248, 226)]
    strips = []
    n = 30
    for i in range(n):
        t = (i + rnd() * 0.8) / n
        x = b.cx - b.rxb * 0.95 + 2 * b.rxb * 0.95 * t
        floor_y = b.yb + b.ryb * 0.55 * (rnd() * 2 - 1)
        hump = math.cos((t - 0.5) * math.pi * 0.9)
        height = (8 + 10 * hump) * (0.7 + 0.5 * rnd())
        tilt = (rnd() - 0.5) * 40 + (t - 0.5) * 30
        curl = (rnd() - 0.5) * 10
        strips.append((floor_y, x, height, tilt, curl, colours[int(rnd() * 4)]))
    strips.sort()                                  # far ones first
    for floor_y, x, height, tilt, curl, col in strips:
        pts = []
        for j in range(13):
            q = j / 12
            pts.append((x + curl * math.sin(q * math.pi) + q * height * math.sin(math.radians(tilt)),
                        floor_y - q * height * math.cos(math.radians(tilt))))
        cv.paint(mul(fill(w, h, stroke(pts, 5.0)), clip), (130, 150, 160, 0.55))
        cv.paint(mul(fill(w, h, stroke(pts, 3.8)), clip), col)
        cv.paint(mul(fill(w, h, stroke(pts[3:10], 0.6)), clip), (150, 165, 180, 0.6))


def draw_paper(cv, geom, k=1.0):
    w, h = cv.w, cv.h
    pcx, ptop, pw, ph, angle = geom
    outline, flap, lines = paper_sheet(pcx, ptop, pw, ph, angle, k)
    sheet = fill(w, h, [outline])
    if k >= 0.5:
        cv.paint(blur(shift(sheet, w, h, 3, 2), w, h, 2, 2), (20, 50, 70, 0.25))
    cv.paint(sheet, linear(0, ptop, 0, ptop + ph, [(0, (255, 255, 255)), (1, (234, 240, 244))]))
    edge = (150, 165, 178) if k >= 0.5 else (110, 124, 138)
    cv.paint(fill(w, h, stroke(outline, max(0.8, 0.8 * k), closed=True)), edge)
    for bold, pts in lines:
        ln = fill(w, h, stroke(pts, (2.2 if bold else 1.5) * max(k, 0.55)))
        cv.paint(ln, (60, 110, 170) if bold else (150, 160, 172))
    cv.paint(fill(w, h, [flap]), linear(0, ptop, 0, ptop + 10 * k, [(0, (214, 222, 230)), (1, (246, 248, 250))]))
    cv.paint(fill(w, h, stroke(flap, max(0.8, 0.8 * k), closed=True)), edge)


def shredder():
    w, h = 281, 193
    cv = Canvas(w, h, linear(0, 0, 0, h, [(0, (250, 252, 254)), (1, (216, 226, 236))]))
    cv.paint([1.0] * (w * h), radial(140, 90, 150, 110, [(0, (255, 255, 255, 0.7)), (1, (255, 255, 255, 0))]))
    b = Bin(140.5, 77, 68, 14, 181, 50, 8.5)
    shadow = fill(w, h, [ellipse(b.cx + 6, b.yb + 2, b.rxb + 18, b.ryb + 3)])
    cv.paint(blur(shadow, w, h, 3, 3), (30, 50, 70, 0.35))
    draw_bin(cv, b, paper=(b.cx + 4, 8, 70, 98, -7))
    write_bmp('trituradora.bmp', w, h, cv.rows(alpha=False))


# ==== 16 x 16 button glyphs ================================================================
def arrow_band(path, width, head_len, head_half):
    """A band along path ending in a triangular head that continues the last direction."""
    (ax, ay), (bx, by) = path[-2], path[-1]
    d = math.hypot(bx - ax, by - ay); dx, dy = (bx - ax) / d, (by - ay) / d
    nx, ny = -dy, dx
    head = positive([(bx + nx * head_half, by + ny * head_half), (bx + dx * head_len, by + dy * head_len),
                     (bx - nx * head_half, by - ny * head_half)])
    return path, width, head


def outlined(cv, parts, fill_paint, edge, edge_w=1.0):
    """Paints bands and heads with a dark rim round them, then their faces."""
    w, h = cv.w, cv.h
    rim = []; face = []
    for path, width, head in parts:
        rim += stroke(path, width + 2 * edge_w) + stroke(head, edge_w * 2, closed=True) + [head]
        face += stroke(path, width) + [head]
    cv.paint(fill(w, h, rim, ss=8), edge)
    cv.paint(fill(w, h, face, ss=8), fill_paint)


def refresh_glyph():
    """Two arrows chasing each other round a circle."""
    w = h = 16
    cv = Canvas(w, h)
    cx, cy, r = 8.0, 8.0, 4.6
    parts = []
    for a0 in (178, -2):
        a1 = a0 - 96
        path = arc(cx, cy, r, r, a0, a1, 24)
        # the head sits across the circle at the arc's end, its tip further along the circle
        e = math.radians(a1); t = math.radians(a1 - 42)
        ux, uy = math.cos(e), -math.sin(e)
        hh = 2.9
        head = positive([(cx + (r + hh) * ux, cy + (r + hh) * uy), (cx + r * math.cos(t), cy - r * math.sin(t)),
                         (cx + (r - hh) * ux, cy + (r - hh) * uy)])
        parts.append((path, 1.9, head))
    outlined(cv, parts, linear(0, 2, 0, 14, [(0, (104, 206, 92)), (1, (28, 132, 52))]), (16, 84, 34, 0.85), 0.8)
    write_bmp('refrescar.bmp', w, h, cv.rows(alpha=True), alpha=True)


def page(cv, x0, y0, x1, y1, fold=3):
    """A small white page with a dog-ear and three lines of text, outlined on whole pixels."""
    w, h = cv.w, cv.h
    outer = [(x0, y0), (x1 - fold - 1, y0), (x1, y0 + fold + 1), (x1, y1), (x0, y1)]
    inner = [(x0 + 1, y0 + 1), (x1 - fold - 1.4, y0 + 1), (x1 - 1, y0 + fold + 1.4), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    cv.paint(fill(w, h, [positive(outer)]), (96, 112, 128))
    cv.paint(fill(w, h, [positive(inner)]), linear(0, y0, 0, y1, [(0, (255, 255, 255)), (1, (226, 232, 238))]))
    cv.paint(fill(w, h, [positive([(x1 - fold - 1, y0 + 1), (x1 - fold - 1, y0 + fold + 1), (x1 - 1, y0 + fold + 1)])]),
             (200, 210, 220))
    for i, yy in enumerate(range(int(y0) + 5, int(y1) - 1, 2)):
        cv.paint(fill(w, h, [rect(x0 + 2, yy, x1 - 2 - (2 if i % 2 else 0), yy + 1)]), (150, 164, 180))


def docs_glyph():
    w = h = 16
    cv = Canvas(w, h)
    page(cv, 1, 0, 11, 14)
    # a magnifier over the lower right corner
    cx, cy, r = 9.5, 9.5, 3.6
    cv.paint(fill(w, h, stroke([(cx + 2.4, cy + 2.4), (14.6, 14.6)], 2.6, False), ss=8), (52, 52, 60))
    cv.paint(fill(w, h, [circle(cx, cy, r + 0.9)], ss=8), (34, 70, 120))
    cv.paint(fill(w, h, [circle(cx, cy, r - 0.5)], ss=8),
             radial(cx - 1.2, cy - 1.2, r * 1.4, r * 1.4, [(0, (236, 248, 255)), (1, (120, 180, 230))]))
    cv.paint(fill(w, h, stroke(arc(cx, cy, r - 1.6, r - 1.6, 100, 170, 8), 0.9), ss=8), (255, 255, 255, 0.9))
    write_bmp('verdocs_glyph.bmp', w, h, cv.rows(alpha=True), alpha=True)


def take_out_glyph():
    w = h = 16
    cv = Canvas(w, h)
    page(cv, 0, 0, 10, 14)
    parts = [arrow_band([(4.5, 10.5), (10.0, 10.5)], 3.0, 5.0, 4.0)]
    outlined(cv, parts, linear(0, 6, 0, 14, [(0, (255, 170, 90)), (1, (222, 84, 30))]), (120, 40, 10))
    write_bmp('sacar.bmp', w, h, cv.rows(alpha=True), alpha=True)


# ==== application icon =====================================================================
def icon_image(size):
    cv = Canvas(size, size)
    k = size / 48
    b = Bin(24 * k, 18.5 * k, 19 * k, 4.6 * k, 44.5 * k, 14 * k, 2.8 * k)
    # the glass is thicker in the icon so that it holds its own over any background
    draw_bin(cv, b, k=max(k, 0.45) * 0.45, paper=(25.5 * k, 1.0 * k, 20 * k, 27 * k, -7), shreds=False,
             mark=size >= 32, glass_alpha=2.2)
    if size < 32:
        # too small for three arrows: a green triangle of the same colour stands for the mark
        cy = 33.5 * k; r = 3.6
        tri = [(b.cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a))) for a in (90, 210, 330)]
        cv.paint(fill(size, size, stroke(tri, 1.7, closed=True), ss=8), (30, 150, 58))
    return cv


def write_ico(name, sizes):
    images = []
    for size in sizes:
        rows = icon_image(size).rows(alpha=True)
        xor = bytearray(); mask = bytearray()
        mask_row = ((size + 31) // 32) * 4
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_row)
            for x in range(size):
                r, g, b, a = rows[y][x]
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        bih = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(bih + xor + mask)
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for size, img in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(head + entries + b''.join(images))


# ==== power button ========================================================================
def power_button():
    w = h = 53
    cv = Canvas(w, h)
    cx, cy = 26.5, 26.0
    cv.paint(blur(fill(w, h, [circle(cx, cy + 1.6, 24.6)]), w, h, 1, 3), (0, 0, 0, 0.45))
    # brushed metal bezel
    bezel = fill(w, h, [circle(cx, cy, 25.0)])
    cv.paint(bezel, (70, 78, 86))
    cv.paint(fill(w, h, [circle(cx, cy, 24.0)]),
             linear(0, cy - 24, 0, cy + 24, [(0, (250, 252, 253)), (0.5, (196, 203, 210)), (1, (128, 137, 146))]))
    # the groove the button sits in, darker at the top
    cv.paint(fill(w, h, [circle(cx, cy, 20.6)]),
             linear(0, cy - 21, 0, cy + 21, [(0, (22, 54, 28)), (1, (70, 104, 74))]))
    dome = fill(w, h, [circle(cx, cy, 19.4)])
    cv.paint(dome, radial(cx - 3, cy - 5, 25, 25, [(0, (150, 236, 110)), (0.45, (62, 180, 66)), (1, (18, 110, 40))]))
    # reflected light in the lower half, gloss cap on the upper
    cv.paint(dome, radial(cx, cy + 17, 17, 10, [(0, (190, 255, 160, 0.7)), (1, (190, 255, 160, 0))]))
    gloss = fill(w, h, [ellipse(cx, cy - 9.2, 14.8, 9.6)])
    cv.paint(gloss, linear(0, cy - 19, 0, cy + 0.5, [(0, (255, 255, 255, 0.85)), (1, (255, 255, 255, 0.08))]))
    # the I/O symbol: a broken ring crossed by a bar
    r = 6.6; sy = cy - 4.5
    ring = stroke(arc(cx, sy, r, r, 125, 415), 2.6)
    bar = stroke([(cx, sy - r - 1.6), (cx, sy - 1.2)], 2.6)
    t = Text('I/O', 0.95, weight=1.7, spacing=0.9)
    word = t.polys(round(cx - t.width / 2) + 0.0, round(cy + 13.0))
    ink = fill(w, h, ring + bar + word, ss=8)
    cv.paint(shift(ink, w, h, 0, 1), (10, 70, 22, 0.6))
    cv.paint(ink, (255, 255, 255))
    write_bmp('imgon.bmp', w, h, cv.rows(alpha=True), alpha=True)


def main_buttons():
    button('acerca.bmp', 142, 27, 'Acerca de', BLUE, 1.5, icon=info_icon(12))
    button('opciones.bmp', 158, 33, 'Opciones', BLUE, 1.75, icon=gear_icon(15))
    button('verdocs.bmp', 100, 30, 'Ver docs', RED, 1.4, trail=chevrons(2, 1.4))


PICTURES = {
    'bin': shredder,
    'power': power_button,
    'buttons': main_buttons,
    'glyphs': lambda: (refresh_glyph(), docs_glyph(), take_out_glyph()),
    'icon': lambda: write_ico('trituradora.ico', [16, 32, 48]),
}

if __name__ == '__main__':
    # with no arguments everything is drawn; otherwise only the named groups
    for group in sys.argv[1:] or PICTURES:
        PICTURES[group]()
