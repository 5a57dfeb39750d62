#!/usr/bin/python3
"""Reads a PDF of tiled sheets with PyMuPDF, independently of Qt, and prints what each page holds as
JSON on stdout: its printed range, its lines by colour and its texts as drawn, in mm from the page's
top-left corner. With --pagine it prints the page count alone."""
import json
import re
import sys

import fitz

PUNTI_PER_MM = 72 / 25.4
COLORI = {"blu": (0, 0, 128), "grigio": (128, 128, 128), "nero": (0, 0, 0), "generatori": (180, 180, 180)}
INTERVALLO = re.compile(r"X ([\d,]+)\u2013([\d,]+) mm \u00b7 Y ([\d,]+)\u2013([\d,]+) mm")


def colore(c):
    rgb = tuple(round(v * 255) for v in c) if c else None
    return next((nome for nome, valore in COLORI.items() if valore == rgb), None)


def pagina(p):
    linee = {nome: [] for nome in COLORI}
    for disegno in p.get_drawings():
        nome = colore(disegno.get("color"))
        if nome is None:
            continue
        for voce in disegno["items"]:
            if voce[0] == "l":
                a, b = voce[1], voce[2]
                linee[nome].append([a.x / PUNTI_PER_MM, a.y / PUNTI_PER_MM, b.x / PUNTI_PER_MM, b.y / PUNTI_PER_MM])
    # PyMuPDF parts the words of a line by tabs.
    testo = p.get_text("text").replace("\t", " ")
    trovato = INTERVALLO.search(testo)
    intervallo = [float(v.replace(",", ".")) for v in trovato.groups()] if trovato else None
    # Each text as the content stream draws it, not as a reader would join neighbouring ones.
    testi = [{"box": [v / PUNTI_PER_MM for v in t["bbox"]],
              "testo": "".join(chr(c[0]) for c in t["chars"]).replace("\t", " ")} for t in p.get_texttrace()]
    return {"intervallo": intervallo, "linee": linee, "testo": testo, "testi": testi,
            "dimensioni": [p.rect.width / PUNTI_PER_MM, p.rect.height / PUNTI_PER_MM]}


def main():
    documento = fitz.open(sys.argv[-1])
    if sys.argv[1] == "--pagine":
        print(len(documento))
        return
    json.dump([pagina(p) for p in documento], sys.stdout)


if __name__ == "__main__":
    main()
