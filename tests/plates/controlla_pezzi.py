#!/usr/bin/env python3
"""Reads back each piece's table and PDF written by vorna --split --tables --pdf: the tables' outlines
have the areas of the pieces cut on the plates (read with ezdxf), each PDF has pages and names its
piece. Usage: controlla_pezzi.py FOLDER. Exit 1 with the reason on the first fault."""
import csv
import glob
import os
import sys

import ezdxf
import fitz


def fallito(motivo):
    print(motivo)
    sys.exit(1)


def area(p):
    return sum(p[i][0] * p[(i + 1) % len(p)][1] - p[(i + 1) % len(p)][0] * p[i][1] for i in range(len(p))) / 2


cartella = sys.argv[1]
tagliati = []
for nome in glob.glob(os.path.join(cartella, "lamiera-*.dxf")):
    for e in ezdxf.readfile(nome).modelspace().query("POLYLINE[layer=='TAGLIO']"):
        tagliati.append(area([(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]))
tabelle = {}
for nome in glob.glob(os.path.join(cartella, "pezzo-*.csv")):
    with open(nome, newline="") as f:
        righe = list(csv.reader(f))[1:]
    tabelle[os.path.basename(nome)[6:-4]] = area([(float(r[1]), float(r[2])) for r in righe])
if not tabelle or len(tabelle) != len(tagliati):
    fallito(f"{len(tabelle)} tabelle per {len(tagliati)} pezzi tagliati")
for a, b in zip(sorted(tabelle.values()), sorted(tagliati)):
    if abs(a - b) > 1e-3 * abs(b):
        fallito(f"area della tabella {a} contro {b} del pezzo tagliato")
for pezzo in tabelle:
    documento = fitz.open(os.path.join(cartella, f"pezzo-{pezzo}.pdf"))
    testo = " ".join("".join(pagina.get_text() for pagina in documento).split())
    if documento.page_count < 1 or pezzo.replace("-", " ") not in testo:
        fallito(f"pezzo-{pezzo}.pdf: {documento.page_count} pagine, nome assente")
print(f"{len(tabelle)} pezzi")
