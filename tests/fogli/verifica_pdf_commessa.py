"""A segmented elbow's job from `vorna --new-elbow`, its tiled PDF and its wrap-around templates
read back with PyMuPDF.

What is expected comes from the pages themselves and from plain geometry, not from the program:
each piece's cover says how many sheets follow, each sheet says which piece it belongs to, and a
template for a Ø300 pipe is pi x 300 long. True size is checked on the 100 mm scale bars of every
piece's pages, whatever orientation each piece's sheets took.
"""
import math
import os
import re
import subprocess
import sys
import tempfile

import fitz

PUNTI_PER_MM = 72 / 25.4
COPERTINA = re.compile(r"Sviluppo a grandezza naturale: (\d+) fogli?")
FOGLIO = re.compile(r"foglio (\d+) di (\d+)")
INTERVALLO = re.compile(r"X ([\d,]+)\u2013([\d,]+) mm \u00b7 Y ([\d,]+)\u2013([\d,]+) mm")


def esegui(vorna, *argomenti, codice=0):
    ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    esito = subprocess.run([vorna, *argomenti], env=ambiente, capture_output=True, timeout=300)
    assert esito.returncode == codice, (argomenti, esito.returncode, esito.stderr.decode())
    return esito


def numero(testo):
    return float(testo.replace(",", "."))


def barre(pagina):
    """The lengths of the black lines longer than 90 mm: the scale bars."""
    lunghezze = []
    for disegno in pagina.get_drawings():
        if disegno.get("color") != (0.0, 0.0, 0.0):
            continue
        for voce in disegno["items"]:
            if voce[0] == "l":
                lunghezza = math.dist(voce[1], voce[2]) / PUNTI_PER_MM
                if lunghezza > 90:
                    lunghezze.append(lunghezza)
    return lunghezze


def gruppi(percorso, titolo):
    """The pages of each titled part in order: {number: [texts]}, checking that every page names
    exactly one part, the parts follow one another, and each is its cover then its sheets."""
    documento = fitz.open(percorso)
    parti = {}
    ordine = []
    for pagina in documento:
        testo = pagina.get_text("text").replace("\t", " ")
        nomi = set(int(n) for n in re.findall(titolo + r" (\d+) di \d+", testo))
        assert len(nomi) == 1, (testo[:300], nomi)
        n = nomi.pop()
        if not ordine or ordine[-1] != n:
            assert n not in parti, "a part split in two"
            ordine.append(n)
        parti.setdefault(n, []).append((pagina, testo))
    assert ordine == list(range(1, len(ordine) + 1)), ordine
    for n, pagine in parti.items():
        copertina = COPERTINA.search(pagine[0][1])
        assert copertina, pagine[0][1][:200]
        fogli = int(copertina.group(1))
        assert len(pagine) == 1 + fogli, (n, len(pagine), fogli)
        for k, (pagina, testo) in enumerate(pagine[1:], start=1):
            trovato = FOGLIO.search(testo)
            assert trovato and (int(trovato.group(1)), int(trovato.group(2))) == (k, fogli), testo[:200]
            # The sheet's drawing area fits the page as it is turned.
            x0, x1, y0, y1 = (numero(v) for v in INTERVALLO.search(testo).groups())
            larghezza, altezza = pagina.rect.width / PUNTI_PER_MM, pagina.rect.height / PUNTI_PER_MM
            assert x1 - x0 <= larghezza - 19.9 and y1 - y0 <= altezza - 19.9, (n, k, x1 - x0, y1 - y0, larghezza)
        # Only the scale bars are that long on a sheet; the cover carries them when no sheet has room.
        for pagina, _ in pagine[1:]:
            for b in barre(pagina):
                assert abs(b - 100) < 0.1, (n, b)
        assert any(abs(b - 100) < 0.1 for pagina, _ in pagine for b in barre(pagina)), "no scale bar for part %d" % n
    return documento, parti


def controlla(vorna, cartella):
    job = os.path.join(cartella, "gomito.vorna")
    esegui(vorna, "--new-elbow", job, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "4")

    pdf = os.path.join(cartella, "gomito.pdf")
    esegui(vorna, "--export-pdf", job, pdf)
    documento, pezzi = gruppi(pdf, "Pezzo")
    assert sorted(pezzi) == [1, 2, 3, 4], sorted(pezzi)
    assert len(documento) == sum(len(p) for p in pezzi.values())
    for n, pagine in pezzi.items():
        for _, testo in pagine:
            # Each page names its piece once: the default name "Pezzo n" is not said again.
            assert "Pezzo %d di 4" % n in testo, testo[:300]
            assert not re.search(r"Pezzo %d di 4 \u00b7 Pezzo %d\b" % (n, n), testo), testo[:300]

    # One piece alone, to reprint a spoiled sheet: page for page what the whole job gave it.
    solo = esegui_pdf(vorna, job, cartella, "pezzo2.pdf", "--piece", "2")
    solo = [p.get_text("text").replace("\t", " ") for p in fitz.open(solo)]
    assert solo == [testo for _, testo in pezzi[2]], (len(solo), len(pezzi[2]))
    dime_solo = esegui_pdf(vorna, job, cartella, "dime2.pdf", "--wrap", "--piece", "2")
    testo = "".join(p.get_text("text").replace("\t", " ") for p in fitz.open(dime_solo))
    nomi = set(re.findall(r"Dima (\d) di 6", testo))
    tagli = set(re.findall(r"Pezzo (\d) - taglio verso il pezzo (\d)", testo))
    assert nomi == {"2", "3"} and tagli == {("2", "1"), ("2", "3")}, (nomi, tagli)
    fuori = os.path.join(cartella, "pezzo5.pdf")
    esegui(vorna, "--export-pdf", job, fuori, "--piece", "5", codice=2)
    assert not os.path.exists(fuori)

    # Six joint sides, each a band once round the Ø300 pipe.
    dime = os.path.join(cartella, "dime.pdf")
    esegui(vorna, "--export-pdf", job, dime, "--wrap")
    documento, parti = gruppi(dime, "Dima")
    assert sorted(parti) == list(range(1, 7)), sorted(parti)
    lunghezza = ("%.1f" % (math.pi * 300)).replace(".", ",")
    tagli = []
    for pagine in parti.values():
        testo = pagine[0][1]
        assert "fascia lunga %s mm" % lunghezza in testo, testo[:400]
        tagli.append(tuple(int(v) for v in re.search(r"Pezzo (\d) - taglio verso il pezzo (\d)", testo).groups()))
    assert sorted(tagli) == [(1, 2), (2, 1), (2, 3), (3, 2), (3, 4), (4, 3)], tagli

    # A reducing elbow: its cone pieces' templates too, the pieces free to turn their sheets.
    riduzione = os.path.join(cartella, "riduzione.vorna")
    esegui(vorna, "--new-elbow", riduzione, "--d", "400", "--d2", "250", "--radius", "600", "--angle", "90",
           "--pieces", "5")
    _, pezzi = gruppi(esegui_pdf(vorna, riduzione, cartella, "riduzione.pdf"), "Pezzo")
    assert sorted(pezzi) == [1, 2, 3, 4, 5]
    _, parti = gruppi(esegui_pdf(vorna, riduzione, cartella, "riduzione_dime.pdf", "--wrap"), "Dima")
    assert sorted(parti) == list(range(1, 9))

    # Long straight ends lie on portrait sheets, the short gore between them on landscape ones:
    # each piece's pages turned as its own layout chose, still at true size.
    dritto = os.path.join(cartella, "dritto.vorna")
    esegui(vorna, "--new-elbow", dritto, "--d", "150", "--radius", "300", "--angle", "90", "--pieces", "3",
           "--straight", "400")
    documento, pezzi = gruppi(esegui_pdf(vorna, dritto, cartella, "dritto.pdf"), "Pezzo")
    verso = {n: {p.rect.width > p.rect.height for p, _ in pagine} for n, pagine in pezzi.items()}
    assert all(len(v) == 1 for v in verso.values()) and len(set.union(*verso.values())) == 2, verso

    # A job of one piece has no templates: refused, nothing written.
    cono = os.path.join(cartella, "cono.vorna")
    esegui(vorna, "--new-cone", cono, "--d1", "400", "--d2", "200", "--height", "300")
    niente = os.path.join(cartella, "niente.pdf")
    esegui(vorna, "--export-pdf", cono, niente, "--wrap", codice=2)
    assert not os.path.exists(niente)


def esegui_pdf(vorna, job, cartella, nome, *opzioni):
    percorso = os.path.join(cartella, nome)
    esegui(vorna, "--export-pdf", job, percorso, *opzioni)
    return percorso


def main():
    with tempfile.TemporaryDirectory() as cartella:
        controlla(sys.argv[1], cartella)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
