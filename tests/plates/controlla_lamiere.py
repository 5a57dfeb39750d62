#!/usr/bin/env python3
"""Reads back the plates written by vorna --split with ezdxf and checks them on their own geometry:
every piece a closed counter-clockwise outline inside the plate minus the margin, no two pieces
closer than the kerf. Usage: controlla_lamiere.py FOLDER KERF MARGIN. Prints the plates and pieces
counted; exit 1 with the reason on the first fault."""
import glob
import math
import sys

import ezdxf


def fallito(motivo):
    print(motivo)
    sys.exit(1)


def area(p):
    return sum(p[i][0] * p[(i + 1) % len(p)][1] - p[(i + 1) % len(p)][0] * p[i][1] for i in range(len(p))) / 2


def punto_segmento(p, a, b):
    abx, aby = b[0] - a[0], b[1] - a[1]
    l2 = abx * abx + aby * aby
    t = 0 if l2 == 0 else max(0.0, min(1.0, ((p[0] - a[0]) * abx + (p[1] - a[1]) * aby) / l2))
    return math.hypot(p[0] - a[0] - t * abx, p[1] - a[1] - t * aby)


def incrociano(a, b, c, d):
    def v(o, p, q):
        return (p[0] - o[0]) * (q[1] - o[1]) - (p[1] - o[1]) * (q[0] - o[0])
    return (v(a, b, c) > 0) != (v(a, b, d) > 0) and (v(c, d, a) > 0) != (v(c, d, b) > 0)


def dentro(p, q):
    c = False
    j = len(p) - 1
    for i in range(len(p)):
        if (p[i][1] > q[1]) != (p[j][1] > q[1]) and \
                q[0] < (p[j][0] - p[i][0]) * (q[1] - p[i][1]) / (p[j][1] - p[i][1]) + p[i][0]:
            c = not c
        j = i
    return c


def distanza(a, b, cella):
    """Least distance between two outlines, the sides of b bucketed in a grid of `cella` mm."""
    if dentro(a, b[0]) or dentro(b, a[0]):
        return 0.0
    griglia = {}
    for j in range(len(b)):
        c, d = b[j], b[(j + 1) % len(b)]
        for gx in range(int(min(c[0], d[0]) // cella), int(max(c[0], d[0]) // cella) + 1):
            for gy in range(int(min(c[1], d[1]) // cella), int(max(c[1], d[1]) // cella) + 1):
                griglia.setdefault((gx, gy), []).append(j)
    minima = float("inf")
    for i in range(len(a)):
        p, q = a[i], a[(i + 1) % len(a)]
        vicini = set()
        for gx in range(int(min(p[0], q[0]) // cella) - 1, int(max(p[0], q[0]) // cella) + 2):
            for gy in range(int(min(p[1], q[1]) // cella) - 1, int(max(p[1], q[1]) // cella) + 2):
                vicini.update(griglia.get((gx, gy), ()))
        for j in vicini:
            c, d = b[j], b[(j + 1) % len(b)]
            if incrociano(p, q, c, d):
                return 0.0
            minima = min(minima, punto_segmento(p, c, d), punto_segmento(q, c, d),
                         punto_segmento(c, p, q), punto_segmento(d, p, q))
    return minima


def main():
    cartella, kerf, margine = sys.argv[1], float(sys.argv[2]), float(sys.argv[3])
    file = sorted(glob.glob(cartella + "/lamiera-*.dxf"))
    if not file:
        fallito("nessuna lamiera")
    pezzi_totali = 0
    vicinanza = float("inf")
    for nome in file:
        doc = ezdxf.readfile(nome)
        lamiera, pezzi = [], []
        for e in doc.modelspace().query("POLYLINE"):
            punti = [(v.dxf.location[0], v.dxf.location[1]) for v in e.vertices]
            if not e.is_closed:
                fallito(nome + ": contorno aperto")
            (lamiera if e.dxf.layer == "LAMIERA" else pezzi).append(punti)
        if len(lamiera) != 1 or not pezzi:
            fallito(nome + ": lamiera o pezzi mancanti")
        xs, ys = [p[0] for p in lamiera[0]], [p[1] for p in lamiera[0]]
        for p in pezzi:
            if area(p) <= 0:
                fallito(nome + ": contorno non antiorario")
            for x, y in p:
                if x < min(xs) + margine - 1e-6 or x > max(xs) - margine + 1e-6 or \
                        y < min(ys) + margine - 1e-6 or y > max(ys) - margine + 1e-6:
                    fallito("%s: punto (%g, %g) fuori dalla lamiera meno il margine" % (nome, x, y))
        for i in range(len(pezzi)):
            for j in range(i + 1, len(pezzi)):
                d = distanza(pezzi[i], pezzi[j], max(kerf, 1.0) * 4)
                vicinanza = min(vicinanza, d)
                if d < kerf - 1e-6:
                    fallito("%s: pezzi %d e %d a %g mm" % (nome, i + 1, j + 1, d))
        pezzi_totali += len(pezzi)
    print("lamiere %d pezzi %d distanza minima %.3f" % (len(file), pezzi_totali, vicinanza))


main()
