#!/usr/bin/env python3
"""Draws the program's pictures and writes them as Windows resource files.

Run from anywhere: python3 resources/src/make_pictures.py. The outputs are committed;
this script is their source. Pure Python, deterministic.
"""
import math, os, struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')


def write_bmp(name, w, h, pixels, alpha=False, premultiplied=True):
    """pixels: list of rows (top first) of (r, g, b[, a]) tuples; 32-bit when alpha, with the
    colour premultiplied by alpha (for AlphaBlend) unless premultiplied is False (image lists)."""
    bpp = 32 if alpha else 24
    row_bytes = ((w * bpp // 8) + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            p = pixels[y][x]
            if alpha:
                r, g, b, a = p
                if premultiplied:
                    r, g, b = round(r * a / 255), round(g * a / 255), round(b * a / 255)
                row += bytes((b, g, r, a))
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


def disc_glyph(name, strokes, width, rim, body):
    """A 24 x 24 round glyph lit from above: white strokes (segments) over a disc with a rim."""
    size = 24; c = size / 2; rad = 11.0
    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d > rad:
            return None
        if any(seg_dist(x, y, c + ax, c + ay, c + bx, c + by) < width for ax, ay, bx, by in strokes):
            return (255, 255, 255, 1.0)
        if d > rad - 1.2:
            return rim
        return body(1.0 - 0.45 * (y / size)) + (1.0,)
    write_bmp(name, size, size, render(size, size, shade), alpha=True)


def cancel_glyph():
    disc_glyph('cancelar.bmp', [(-4.5, -4.5, 4.5, 4.5), (-4.5, 4.5, 4.5, -4.5)], 2.2, (120, 16, 16, 1.0),
               lambda light: (220 * light + 20, 40 * light, 40 * light))


# ---- the folder tree's node images: a strip of eleven 16 x 16 pictures ------------------
# Flat pictures with a thin darker outline and a soft top-to-bottom shade, in the order the
# tree uses them: computer, floppy, removable drive, hard disk, network drive, CD-ROM,
# RAM disk, folder, opened folder, document, marked document.
def inside_rect(x0, y0, x1, y1, r=0.0):
    def f(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        if r <= 0:
            return True
        cx = min(max(x, x0 + r), x1 - r); cy = min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r
    return f


def inside_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def inside_poly(points):
    def f(x, y):
        inside = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]; xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside
    return f


def inside_line(ax, ay, bx, by, width):
    return lambda x, y: seg_dist(x, y, ax, ay, bx, by) <= width / 2


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def vertical(top, bottom, y0, y1):
    """A colour fading from top at y0 to bottom at y1."""
    def f(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3)) + (1.0,)
    return f


def solid(rgb):
    return lambda x, y: tuple(rgb) + (1.0,)


def layered(*layers):
    """layers: (inside, colour) pairs, topmost first; a point takes the first that holds it."""
    def shade(x, y):
        for inside, colour in layers:
            if inside(x, y):
                return colour(x, y)
        return None
    return shade


def outlined(x0, y0, x1, y1, r, edge, fill):
    """A rounded box with a one-pixel edge: the two layers, fill first."""
    return [(inside_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0.0, r - 1)), fill), (inside_rect(x0, y0, x1, y1, r), solid(edge))]


def icon_computer():
    return layered(
        (inside_poly([(2.2, 3.2), (7.5, 3.2), (2.2, 8.5)]), vertical((140, 200, 255), (100, 170, 240), 3, 9)),
        *outlined(1, 2, 15, 12, 1.6, (52, 60, 72), vertical((74, 158, 240), (26, 98, 196), 3, 11)),
        (inside_rect(7, 12, 9, 14), solid((120, 128, 140))),
        (inside_rect(4.5, 13.5, 11.5, 15.2, 0.8), solid((78, 86, 98))))


def icon_floppy():
    body = inside_poly([(1.5, 1.5), (12.5, 1.5), (14.5, 3.5), (14.5, 14.5), (1.5, 14.5)])
    inner = inside_poly([(2.5, 2.5), (12.1, 2.5), (13.5, 3.9), (13.5, 13.5), (2.5, 13.5)])
    return layered(
        (inside_rect(8.6, 2.6, 10.2, 5.2), solid((60, 70, 84))),
        (inside_rect(4.5, 1.5, 11.5, 6.2, 0.5), vertical((226, 231, 237), (176, 184, 194), 1.5, 6.2)),
        (inside_line(5.0, 10.0, 11.0, 10.0, 0.8), solid((160, 172, 188))),
        (inside_line(5.0, 12.0, 11.0, 12.0, 0.8), solid((160, 172, 188))),
        (inside_rect(3.5, 8.0, 12.5, 13.5, 0.6), solid((248, 250, 252))),
        (inner, vertical((64, 112, 196), (36, 74, 150), 2, 14)),
        (body, solid((24, 48, 100))))


def icon_removable():
    return layered(
        (inside_rect(6.2, 2.4, 7.4, 3.6), solid((70, 78, 90))),
        (inside_rect(8.6, 2.4, 9.8, 3.6), solid((70, 78, 90))),
        *outlined(5, 1, 11, 5.5, 0.4, (112, 120, 132), vertical((236, 239, 243), (190, 196, 204), 1, 5.5)),
        (inside_circle(8, 12.3, 1.0), solid((64, 220, 120))),
        (inside_rect(5, 7.5, 11, 8.6), solid((38, 166, 154))),
        *outlined(3.5, 5, 12.5, 15, 1.8, (30, 40, 48), vertical((88, 106, 118), (52, 66, 76), 5, 15)))


def drive_slab(y0, y1):
    mid = y0 + (y1 - y0) * 0.55
    return [
        (inside_rect(11.2, mid + 0.9, 13.4, mid + 2.0, 0.4), solid((52, 199, 89))),
        (inside_rect(2, mid, 14, y1 - 1, 0.6), vertical((150, 160, 172), (124, 134, 146), mid, y1)),
        *outlined(1, y0, 15, y1, 1.6, (92, 102, 116), vertical((238, 241, 245), (196, 203, 211), y0, y1)),
    ]


def icon_hard_disk():
    return layered(*drive_slab(4.5, 12.5))


def icon_network_drive():
    cable = (30, 110, 210)
    return layered(
        *drive_slab(1.5, 8.5),
        (inside_line(8, 8.5, 8, 13, 1.4), solid(cable)),
        (inside_line(2.5, 13.2, 13.5, 13.2, 1.4), solid(cable)),
        (inside_rect(1, 11.8, 4, 14.8, 0.5), solid(cable)),
        (inside_rect(12, 11.8, 15, 14.8, 0.5), solid(cable)),
        (inside_rect(6.5, 11.8, 9.5, 14.8, 0.5), solid((20, 80, 170))))


def icon_cdrom():
    hole = inside_circle(8, 8, 1.6)
    def sheen(x, y):
        a = math.atan2(y - 8, x - 8)
        t = 0.5 + 0.5 * math.cos(2 * a)
        hue = (math.sin(a * 2 + 1.0) * 0.5 + 0.5)
        rainbow = (255 * (0.6 + 0.4 * math.cos(6.283 * hue)), 255 * (0.6 + 0.4 * math.cos(6.283 * (hue - 0.33))),
                   255 * (0.6 + 0.4 * math.cos(6.283 * (hue - 0.66))))
        base = (206, 212, 220)
        k = 0.35 * t
        return tuple(base[i] * (1 - k) + rainbow[i] * k for i in range(3)) + (1.0,)
    return layered(
        (hole, lambda x, y: (0, 0, 0, 0.0)),
        (inside_circle(8, 8, 2.6), solid((160, 168, 178))),
        (inside_circle(8, 8, 3.4), solid((236, 240, 244))),
        (inside_circle(8, 8, 6.4), sheen),
        (inside_circle(8, 8, 7.3), solid((118, 126, 138))))


def icon_ram_disk():
    gold = (232, 184, 64)
    contacts = lambda x, y: 11.4 <= y <= 13.4 and 1.6 <= x <= 14.4 and (x - 1.6) % 1.6 < 0.9 and not (7.3 <= x <= 8.7)
    layers = [(inside_rect(c, 5.6, c + 3.2, 9.6, 0.3), vertical((58, 64, 72), (30, 34, 40), 5.6, 9.6)) for c in (2.0, 6.4, 10.8)]
    return layered(
        *layers,
        (contacts, solid(gold)),
        (inside_rect(7.3, 11.9, 8.7, 14), lambda x, y: (0, 0, 0, 0.0)),
        *outlined(0.5, 3.5, 15.5, 13.5, 0.8, (20, 92, 44), vertical((64, 170, 92), (36, 128, 64), 3.5, 13.5)))


def folder_back(light):
    edge = (196, 140, 26) if not light else (214, 164, 56)
    back = vertical((240, 176, 48), (226, 156, 30), 2, 13) if not light else vertical((250, 206, 110), (240, 186, 80), 2, 13)
    shape = inside_poly([(1, 3.2), (1.6, 2.2), (6.0, 2.2), (7.4, 3.8), (14.4, 3.8), (15, 4.4), (15, 13.5), (1, 13.5)])
    inner = inside_poly([(2, 3.8), (2.2, 3.2), (5.6, 3.2), (7.0, 4.8), (14, 4.8), (14, 12.5), (2, 12.5)])
    return [(inner, back), (shape, solid(edge))]


def icon_folder():
    return layered(
        *outlined(1, 5.2, 15, 13.5, 1.0, (204, 146, 30), vertical((255, 222, 110), (250, 190, 60), 5.2, 13.5)),
        *folder_back(False))


def icon_folder_open():
    front = inside_poly([(3.2, 7.0), (15.6, 7.0), (13.6, 13.5), (1.0, 13.5)])
    front_inner = inside_poly([(3.9, 8.0), (14.3, 8.0), (12.9, 12.5), (2.4, 12.5)])
    paper = inside_rect(3.5, 4.5, 12.5, 9, 0.3)
    return layered(
        (front_inner, vertical((255, 240, 180), (255, 218, 120), 8, 12.5)),
        (front, solid((222, 170, 60))),
        (minus(paper, inside_rect(4.5, 5.5, 11.5, 9)), solid((170, 178, 190))),
        (paper, solid((255, 255, 255))),
        *folder_back(True))


def document(marked):
    page = inside_poly([(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)])
    inner = inside_poly([(4, 2), (9.6, 2), (12, 4.4), (12, 14), (4, 14)])
    fold = inside_poly([(9.5, 1.2), (12.8, 4.5), (9.5, 4.5)])
    lines = [(inside_line(5.5, y, 10.5, y, 0.9), solid((120, 150, 190))) for y in (6.5, 8.5, 10.5, 12.5)]
    badge = []
    if marked:
        check = lambda x, y: (seg_dist(x, y, 9.2, 11.8, 10.8, 13.4) <= 0.75 or seg_dist(x, y, 10.8, 13.4, 13.6, 10.2) <= 0.75)
        badge = [(check, solid((255, 255, 255))),
                 (inside_circle(11.5, 11.6, 3.7), vertical((76, 214, 110), (30, 160, 70), 8, 15)),
                 (inside_circle(11.5, 11.6, 4.5), solid((255, 255, 255)))]
    return layered(*badge, (fold, solid((214, 222, 232))), *lines, (inner, vertical((255, 255, 255), (240, 244, 249), 2, 14)),
                   (page, solid((126, 138, 152))))


def tree_images():
    icons = [icon_computer(), icon_floppy(), icon_removable(), icon_hard_disk(), icon_network_drive(), icon_cdrom(),
             icon_ram_disk(), icon_folder(), icon_folder_open(), document(False), document(True)]
    size = 16
    strip = [[] for _ in range(size)]
    for shade in icons:
        for y, row in enumerate(render(size, size, shade)):
            strip[y] += row
    # The common controls take straight alpha in an image list.
    write_bmp('icoswxp.bmp', size * len(icons), size, strip, alpha=True, premultiplied=False)


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


def exclamation_mark(x, y):
    """Coverage test of the mark: a bar narrowing downwards, and the dot."""
    cx = 20.0
    if 4.5 <= y <= 20.5 and abs(x - cx) <= 2.6 - 0.06 * (y - 4.5):
        return True
    return math.hypot(x - cx, y - 25.2) < 2.3


def bubble_picture(name, mark, outline, top, bottom, shadow):
    """The 39 x 40 bubble lit from above with a white mark in it; top and bottom are the
    body's colours at those edges."""
    w, h = 39, 40
    def shade(x, y):
        if mark(x - 0.8, y - 0.8) and not mark(x, y) and in_bubble(x, y, -1.2):
            return shadow + (0.55,)                    # the mark's shadow
        if not in_bubble(x, y):
            return None
        if mark(x, y):
            return (255, 255, 255, 1.0)
        if not in_bubble(x, y, -1.3):
            return outline + (1.0,)
        t = max(0.0, min(1.0, (y - 2) / 34))           # lit from above
        r, g, b = (a + (b_ - a) * t for a, b_ in zip(top, bottom))
        gloss = math.hypot((x - 15) / 11, (y - 8) / 5.5)
        if gloss < 1.0:                                # a soft highlight near the top
            f = 0.45 * (1 - gloss)
            r, g, b = r + (255 - r) * f, g + (255 - g) * f, b + (255 - b) * f
        return (r, g, b, 1.0)
    write_bmp(name, w, h, render(w, h, shade), alpha=True)


def confirmation_picture():
    bubble_picture('confirmacion.bmp', question_mark, (12, 40, 120), (150, 195, 255), (25, 75, 210), (10, 36, 110))


# ---- the picture of the report of what was not shredded: the bubble with a warning mark ----
def report_picture():
    bubble_picture('aviso.bmp', exclamation_mark, (130, 60, 0), (255, 205, 90), (215, 105, 0), (120, 50, 0))


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
    tree_images()
    hand_cursor()
    confirmation_picture()
    report_picture()
    no_glyph()
