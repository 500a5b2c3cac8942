#!/usr/bin/env python3
"""Draws the program's pictures and writes them as Windows resource files.

Run from anywhere: python3 resources/src/make_pictures.py. The outputs are committed;
this script is their source. Pure Python, deterministic.
"""
import math, os, struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')


def write_bmp(name, w, h, pixels, alpha=False):
    """pixels: list of rows (top first) of (r, g, b[, a]) tuples; 32-bit premultiplied when alpha."""
    bpp = 32 if alpha else 24
    row_bytes = ((w * bpp // 8) + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            p = pixels[y][x]
            if alpha:
                r, g, b, a = p
                row += bytes((round(b * a / 255), round(g * a / 255), round(r * a / 255), a))
            else:
                r, g, b = p[:3]
                row += bytes((b, g, r))
        row += b'\0' * (row_bytes - len(row))
        data += row
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, len(data), 2835, 2835, 0, 0)
    filehdr = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(filehdr + header + data)


def clamp(v):
    return max(0, min(255, int(round(v))))


# ---- marble tile, 128 x 128, seamless -------------------------------------------------
def lattice(ix, iy, period, seed):
    ix %= period; iy %= period
    n = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xffffffff
    n = ((n ^ (n >> 13)) * 1274126177) & 0xffffffff
    return ((n ^ (n >> 16)) & 0xffff) / 65535.0


def value_noise(x, y, cell, seed):
    period = 128 // cell
    gx, gy = x / cell, y / cell
    x0, y0 = int(math.floor(gx)), int(math.floor(gy))
    fx, fy = gx - x0, gy - y0
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = lattice(x0, y0, period, seed); b = lattice(x0 + 1, y0, period, seed)
    c = lattice(x0, y0 + 1, period, seed); d = lattice(x0 + 1, y0 + 1, period, seed)
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy


def turbulence(x, y, seed):
    total, amp = 0.0, 1.0
    for cell in (32, 16, 8, 4, 2):
        total += amp * value_noise(x, y, cell, seed)
        amp *= 0.5
    return total / 1.9375


def marble():
    rows = []
    for y in range(128):
        row = []
        for x in range(128):
            t = turbulence(x, y, 7)
            v = math.sin(2 * math.pi * (x + 2 * y) / 128 + 9.0 * t)
            vein = abs(v) ** 0.35            # thin dark veins where the sine crosses zero
            fine = turbulence(x * 1.0, y * 1.0, 3)
            base = 0.80 + 0.20 * fine
            shade = base * (0.72 + 0.28 * vein)
            r = 236 * shade + 10; g = 232 * shade + 8; b = 226 * shade + 14
            row.append((clamp(r), clamp(g), clamp(b)))
        rows.append(row)
    write_bmp('marmol.bmp', 128, 128, rows)


# ---- antialiased glyphs, drawn by supersampling a coverage function --------------------
def render(w, h, shade, ss=4):
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    px = x + (sx + 0.5) / ss; py = y + (sy + 0.5) / ss
                    c = shade(px, py)
                    if c:
                        r, g, b, a = c
                        acc[0] += r * a; acc[1] += g * a; acc[2] += b * a; acc[3] += a
            a = acc[3] / (ss * ss)
            if acc[3] > 0:
                row.append((clamp(acc[0] / acc[3]), clamp(acc[1] / acc[3]), clamp(acc[2] / acc[3]), clamp(a * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def cancel_glyph():
    size = 24; c = size / 2; rad = 11.0
    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d > rad:
            return None
        k = 2.2
        if seg_dist(x, y, c - 4.5, c - 4.5, c + 4.5, c + 4.5) < k or seg_dist(x, y, c - 4.5, c + 4.5, c + 4.5, c - 4.5) < k:
            return (255, 255, 255, 1.0)
        if d > rad - 1.2:
            return (120, 16, 16, 1.0)
        light = 1.0 - 0.45 * (y / size)      # lit from above
        return (220 * light + 20, 40 * light, 40 * light, 1.0)
    write_bmp('cancelar.bmp', size, size, render(size, size, shade), alpha=True)


# ---- cursor "APUNTANDO": a pointing hand, hot spot at the finger tip -------------------
HAND = """
.....XX.........................
....XooX........................
....XooX........................
....XooX........................
....XooX........................
....XooXXX......................
....XooXooXXX...................
....XooXooXooXX.................
....XooXooXooXoX................
XX..XooXooXooXooX...............
XoX.XoooooooooooX...............
XooXXoooooooooooX...............
.XooXoooooooooooX...............
..XoooooooooooooX...............
..XoooooooooooooX...............
...XooooooooooooX...............
...XoooooooooooX................
....XooooooooooX................
....XoooooooooX.................
.....XooooooooX.................
.....XooooooooX.................
.....XXXXXXXXXX.................
""".strip().splitlines()


def hand_cursor():
    w = h = 32
    art = HAND + ['.' * 32] * (h - len(HAND))
    xor = bytearray(); mask = bytearray()
    for y in range(h - 1, -1, -1):
        line = art[y]
        bits = 0
        for x in range(w):
            ch = line[x]
            if ch == 'X':
                xor += bytes((0, 0, 0, 255))
            elif ch == 'o':
                xor += bytes((255, 255, 255, 255))
            else:
                xor += bytes((0, 0, 0, 0))
            bits = (bits << 1) | (1 if ch == '.' else 0)
        mask += bits.to_bytes(4, 'big')
    bih = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = bih + xor + mask
    hotx, hoty = 5, 0
    icondir = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', w, h, 0, 0, hotx, hoty, len(image), 6 + 16)
    with open(os.path.join(OUT, 'apuntando.cur'), 'wb') as f:
        f.write(icondir + entry + image)


# ---- message dialog: question mark in a speech bubble, 39 x 40 ------------------------
def arc_dist(px, py, cx, cy, rad, start, end):
    """Distance to the circular arc from angle start to end (degrees, y down, start < end)."""
    ang = math.degrees(math.atan2(py - cy, px - cx))
    while ang < start:
        ang += 360
    if ang <= end:
        return abs(math.hypot(px - cx, py - cy) - rad)
    ends = [(cx + rad * math.cos(math.radians(a)), cy + rad * math.sin(math.radians(a))) for a in (start, end)]
    return min(math.hypot(px - ex, py - ey) for ex, ey in ends)


def in_bubble(x, y, grow=0.0):
    """The bubble: an ellipse with a tail that points down to the lower left."""
    cx, cy, rx, ry = 20.0, 16.5, 18.0 + grow, 15.0 + grow
    if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
        return True
    # tail: the triangle (9,25) (17,29) (4,38.5), grown outwards by grow
    ax, ay, bx, by, tx, ty = 8.5, 24.0, 17.0, 29.0, 3.5, 38.5
    def side(px, py, qx, qy, rx_, ry_):
        return ((qx - px) * (ry_ - py) - (qy - py) * (rx_ - px)) / math.hypot(qx - px, qy - py)
    s1 = side(ax, ay, bx, by, x, y); s2 = side(bx, by, tx, ty, x, y); s3 = side(tx, ty, ax, ay, x, y)
    sign = 1 if side(ax, ay, bx, by, tx, ty) > 0 else -1
    return min(s1 * sign, s2 * sign, s3 * sign) >= -grow


def question_mark(x, y):
    """Coverage test of the mark: a hook, its stem and the dot."""
    cx, cy, rad, k = 20.0, 11.5, 5.2, 1.9
    if arc_dist(x, y, cx, cy, rad, 160, 425) < k:
        return True
    ex = cx + rad * math.cos(math.radians(65)); ey = cy + rad * math.sin(math.radians(65))
    if seg_dist(x, y, ex, ey, cx, cy + rad + 2.5) < k or seg_dist(x, y, cx, cy + rad + 2.5, cx, cy + rad + 3.8) < k:
        return True
    return math.hypot(x - cx, y - 26.2) < 2.3


def confirmation_picture():
    w, h = 39, 40
    def shade(x, y):
        if question_mark(x - 0.8, y - 0.8) and not question_mark(x, y) and in_bubble(x, y, -1.2):
            return (10, 36, 110, 0.55)                 # the mark's shadow
        if not in_bubble(x, y):
            return None
        if question_mark(x, y):
            return (255, 255, 255, 1.0)
        if not in_bubble(x, y, -1.3):
            return (12, 40, 120, 1.0)                  # outline
        t = max(0.0, min(1.0, (y - 2) / 34))           # lit from above
        r, g, b = 150 - 125 * t, 195 - 120 * t, 255 - 45 * t
        gloss = math.hypot((x - 15) / 11, (y - 8) / 5.5)
        if gloss < 1.0:                                # a soft highlight near the top
            f = 0.45 * (1 - gloss)
            r, g, b = r + (255 - r) * f, g + (255 - g) * f, b + (255 - b) * f
        return (r, g, b, 1.0)
    write_bmp('confirmacion.bmp', w, h, render(w, h, shade), alpha=True)


# ---- the No button's glyph: a red prohibition sign, 20 x 20 ---------------------------
def no_glyph():
    size = 20; c = size / 2; rad = 9.3
    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d > rad:
            return None
        light = 1.0 - 0.4 * (y / size)
        red = (215 * light + 25, 35 * light, 35 * light, 1.0)
        if d > rad - 2.6:
            return red if d < rad - 0.7 else (120, 16, 16, 1.0)
        o = (rad - 2.6) * 0.72
        if seg_dist(x, y, c - o, c - o, c + o, c + o) < 1.5:
            return red
        return (255, 255, 255, 1.0)
    write_bmp('botonno.bmp', size, size, render(size, size, shade), alpha=True)


if __name__ == '__main__':
    marble()
    cancel_glyph()
    hand_cursor()
    confirmation_picture()
    no_glyph()
