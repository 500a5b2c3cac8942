#!/usr/bin/env python3
"""Draws the options dialog's pictures: its marble tile and the Aceptar button's glyph.

Run from anywhere: python3 resources/src/make_opciones.py. The outputs are committed;
this script is their source. Pure Python, deterministic.
"""
import math, os, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import clamp, disc_glyph, write_bmp  # noqa: E402

W, H = 41, 17


# ---- marble tile, 41 x 17, seamless ---------------------------------------------------
# Waves whose whole number of periods fits the tile in both directions, so the copies meet
# without a seam.
def periodic(x, y, waves):
    return sum(a * math.sin(2 * math.pi * (fx * x / W + fy * y / H) + ph) for a, fx, fy, ph in waves)


TURB = [(1.0, 1, 1, 0.3), (0.7, 2, -1, 1.9), (0.5, 3, 2, 4.1), (0.35, -4, 3, 2.2), (0.25, 6, -5, 5.3),
        (0.18, 9, 4, 0.8)]
FINE = [(1.0, 7, 3, 1.1), (0.8, -11, 5, 3.7), (0.6, 13, -7, 2.5), (0.4, 17, 8, 0.4)]


def marble_shade(x, y):
    t = periodic(x, y, TURB) / 3.0
    v = math.sin(math.pi * (x / W + y / H) + 2.4 * t)  # squared below, so half a wave repeats too
    vein = math.exp(-(v / 0.30) ** 2)                  # grey veins where the wave crosses zero
    fine = 0.5 + periodic(x, y, FINE) / 5.6
    return (0.90 + 0.10 * fine) * (1.0 - 0.28 * vein)


def marble(ss=4):
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            shade = sum(marble_shade(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                        for i in range(ss) for j in range(ss)) / (ss * ss)
            r = 232 * shade + 10; g = 232 * shade + 10; b = 236 * shade + 12
            row.append((clamp(r), clamp(g), clamp(b)))
        rows.append(row)
    write_bmp('marmol_opciones.bmp', W, H, rows)


# ---- Aceptar glyph: a white tick on a green disc, the companion of the red Cancelar -----
def accept_glyph():
    disc_glyph('aceptar_opciones.bmp', [(-5.5, 0.5, -1.5, 4.5), (-1.5, 4.5, 5.5, -4.0)], 1.9, (14, 90, 24, 1.0),
               lambda light: (40 * light, 170 * light + 20, 60 * light))


if __name__ == '__main__':
    marble()
    accept_glyph()
