"""What a CAM reader meets in the DXF of `vorna --export-dxf`, read with ezdxf (and LibreCAD when
installed): outline direction and start, layers, exact arcs, and texts clear of the blank."""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import bbox
from ezdxf.math import bulge_to_arc

from verifica_dxf import record

FIGURE = {
    "cono": ("60.", "120.", "60.", "60.", "60.", "T"),
    "cono_specchiato": ("80.", "150.", "100.", "80.", "65.", "T"),
    "cono_obliquo_bd": ("100.", "150.", "80.", "70.", "80.", "F"),
    "tubo": ("80.", "100.", "80.", "90.", "90.", "T"),
    "cilindro_alfa_60": ("300.", "200.", "200.", "60.", "120.", "F"),
    "cilindro_alfa_110": ("200.", "150.", "250.", "110.", "70.", "T"),
    "stretto": ("30.", "12.", "30.", "89.", "89.", "T"),
    "grande": ("15000.", "25000.", "15000.", "60.", "60.", "T"),
}


def esporta(vorna, cartella, nome, opzioni=()):
    tnt = os.path.join(cartella, nome + ".tnt")
    dxf = os.path.join(cartella, nome + "".join(opzioni) + ".dxf")
    with open(tnt, "wb") as f:
        f.write(record(nome, *FIGURE[nome]))
    ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    esito = subprocess.run([vorna, "--export-dxf", *opzioni, tnt, dxf], env=ambiente, capture_output=True, timeout=120)
    assert esito.returncode == 0, (nome, esito.returncode, esito.stderr)
    return dxf


def area(punti):
    return sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(punti, punti[1:] + punti[:1])) / 2


def dentro(poligono, p):
    esito = False
    for a, b in zip(poligono, poligono[-1:] + poligono[:-1]):
        if (a[1] > p[1]) != (b[1] > p[1]) and p[0] < (b[0] - a[0]) * (p[1] - a[1]) / (b[1] - a[1]) + a[0]:
            esito = not esito
    return esito


def taglia(a, b, r):
    """Whether segment a-b has a stretch inside box r (Liang-Barsky)."""
    t0, t1 = 0.0, 1.0
    dx, dy = b[0] - a[0], b[1] - a[1]
    for p, q in ((-dx, a[0] - r[0]), (dx, r[2] - a[0]), (-dy, a[1] - r[1]), (dy, r[3] - a[1])):
        if p == 0:
            if q < 0:
                return False
        elif p < 0:
            t0 = max(t0, q / p)
        else:
            t1 = min(t1, q / p)
        if t0 > t1:
            return False
    return True


def si_toccano(r, s):
    return r[0] < s[2] and s[0] < r[2] and r[1] < s[3] and s[1] < r[3]


def leggi(percorso):
    doc = ezdxf.readfile(percorso)
    assert not doc.audit().has_errors
    assert doc.header.get("$INSUNITS") == 4
    msp = doc.modelspace()
    taglio = [e for e in msp if e.dxf.layer == "TAGLIO"]
    assert len(taglio) == 1 and taglio[0].dxftype() == "POLYLINE" and taglio[0].is_closed, taglio
    return msp, taglio[0]


def controlla_testi(msp, poligono, nome):
    testi = [t for t in msp if t.dxftype() == "TEXT"]
    riquadri = []
    for t in testi:
        e = bbox.extents([t])
        riquadri.append((e.extmin.x, e.extmin.y, e.extmax.x, e.extmax.y))
    lato = max(max(p[0] for p in poligono) - min(p[0] for p in poligono),
               max(p[1] for p in poligono) - min(p[1] for p in poligono))
    for t in testi:
        assert 2.5 <= t.dxf.height <= 10 and t.dxf.height <= max(2.5, lato / 50), (nome, t.dxf.height, lato)
    # Every text outside the material, clear of the outline and of every other text.
    segmenti = list(zip(poligono, poligono[1:] + poligono[:1]))
    for t, r in zip(testi, riquadri):
        centro = ((r[0] + r[2]) / 2, (r[1] + r[3]) / 2)
        assert not dentro(poligono, centro), (nome, t.dxf.text)
        assert not any(taglia(a, b, r) for a, b in segmenti), (nome, t.dxf.text)
    for i in range(len(riquadri)):
        for j in range(i + 1, len(riquadri)):
            assert not si_toccano(riquadri[i], riquadri[j]), (nome, testi[i].dxf.text, testi[j].dxf.text)
    # Each corner letter nearest its own corner: the outline starts at A.
    lettere = {t.dxf.text: ((r[0] + r[2]) / 2, (r[1] + r[3]) / 2) for t, r in zip(testi[:4], riquadri[:4])}
    assert sorted(lettere) == ["A", "B", "C", "D"]
    vicina = min(lettere, key=lambda k: math.dist(lettere[k], poligono[0]))
    assert vicina == "A", (nome, vicina)


def main():
    vorna = sys.argv[1]
    with tempfile.TemporaryDirectory() as cartella:
        for nome in FIGURE:
            msp, polilinea = leggi(esporta(vorna, cartella, nome))
            punti = [(p[0], p[1]) for p in polilinea.points()]
            assert area(punti) > 0, (nome, "clockwise")
            controlla_testi(msp, punti, nome)
            assert not [e for e in msp if e.dxftype() == "LINE"]

        # The generators on their own layer, each once, none on the cutting layer.
        msp, _ = leggi(esporta(vorna, cartella, "cilindro_alfa_60", ("--generators",)))
        linee = [e for e in msp if e.dxftype() == "LINE"]
        assert len(linee) == 61 and all(e.dxf.layer == "GENERATRICI" for e in linee), len(linee)
        estremi = {(round(e.dxf.start.x, 4), round(e.dxf.end.x, 4)) for e in linee}
        assert len(estremi) == 61

        # The square-cut cone with --arcs: each edge arcs round the apex at its exact radius.
        percorso = esporta(vorna, cartella, "cono", ("--arcs",))
        msp, polilinea = leggi(percorso)
        vertici = list(polilinea.vertices)
        assert len(vertici) <= 8, len(vertici)
        archi = 0
        for v, w in zip(vertici, vertici[1:] + vertici[:1]):
            bulge = v.dxf.get("bulge", 0)
            if bulge:
                centro, _, _, raggio = bulge_to_arc(v.dxf.location, w.dxf.location, bulge)
                assert math.hypot(centro.x, centro.y) < 1e-6, centro
                assert min(abs(raggio - 120), abs(raggio - 60)) < 1e-6, raggio
                archi += 1
        assert archi >= 4
        punti = [(p.x, p.y) for p in ezdxf.path.make_path(polilinea).flattening(0.001)]
        assert area(punti) > 0
        controlla_testi(msp, punti, "cono --arcs")
        # LibreCAD reads it too (its dxf2pdf writes the PDF beside the drawing).
        if shutil.which("librecad") and shutil.which("pdfinfo"):
            ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen")
            subprocess.run(["librecad", "dxf2pdf", "-a", percorso], env=ambiente, capture_output=True, timeout=120,
                           check=True)
            info = subprocess.run(["pdfinfo", percorso[:-4] + ".pdf"], capture_output=True, timeout=60, check=True)
            assert re.search(rb"Pages: +1\n", info.stdout), info.stdout
    print("ok")


if __name__ == "__main__":
    main()
