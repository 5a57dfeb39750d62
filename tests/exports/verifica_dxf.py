"""Checks the DXF that `vorna --export-dxf` writes with an independent reader (ezdxf)."""
import math
import os
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf.lldxf import const

# AutoCAD documents "%%%" as a single percent sign in TEXT; ezdxf decodes %%c, %%d and %%p, and
# before its 1.4 releases not that one, so plain_text() is taught it here to read texts as CAD does.
const.SPECIAL_CHAR_ENCODING.setdefault("%", "%")

CAMPI = [40, 10, 10, 10, 6, 6, 1, 1, 8, 30]


def record(nome, ac, ab, bd, alfa, beta, chiudi):
    valori = [nome, ac, ab, bd, alfa, beta, chiudi, "F" if chiudi == "T" else "T", "", ""]
    return b"".join(v.encode("cp1252")[:w].ljust(w, b" ") for v, w in zip(valori, CAMPI))


def esporta(vorna, cartella, nome, rec, opzioni=()):
    tnt = os.path.join(cartella, nome + ".tnt")
    dxf = os.path.join(cartella, nome + ".dxf")
    with open(tnt, "wb") as f:
        f.write(rec)
    ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    esito = subprocess.run([vorna, "--export-dxf", tnt, dxf, *opzioni], env=ambiente, capture_output=True, timeout=120)
    assert esito.returncode == 0, (nome, esito.returncode, esito.stderr)
    return dxf


def controlla(percorso):
    doc = ezdxf.readfile(percorso)
    assert doc.dxfversion == "AC1009", doc.dxfversion
    revisione = doc.audit()
    assert not revisione.has_errors, [str(e) for e in revisione.errors]
    assert doc.header.get("$INSUNITS") == 4
    msp = doc.modelspace()
    assert {e.dxftype() for e in msp if e.dxf.layer != "PIEGHE"} <= {"POLYLINE", "TEXT", "ARC"}
    taglio = [e for e in msp if e.dxf.layer == "TAGLIO"]
    assert len(taglio) == 1 and taglio[0].dxftype() == "POLYLINE", taglio
    assert taglio[0].is_closed
    punti = [(p[0], p[1]) for p in taglio[0].points()]
    testi = [e for e in msp if e.dxftype() == "TEXT"]
    assert all(t.dxf.layer == "TESTI" for t in testi)
    assert [t.dxf.text for t in testi[:4]] == ["A", "B", "C", "D"]
    # The extents hold every vertex and text anchor and are no looser than the texts need.
    emin, emax = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    ancore = punti + [(t.dxf.insert[0], t.dxf.insert[1]) for t in testi]
    for x, y in ancore:
        assert emin[0] - 1e-6 <= x <= emax[0] + 1e-6 and emin[1] - 1e-6 <= y <= emax[1] + 1e-6, (x, y)
    xs, ys = [p[0] for p in punti], [p[1] for p in punti]
    margine = max(t.dxf.height for t in testi) * 4
    assert emin[0] >= min(xs) - margine and emin[1] >= min(ys) - margine
    assert emax[1] <= max(ys) + margine + 8 * 1.6 * max(t.dxf.height for t in testi)
    return punti, testi


def distanza(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)


def controllaPieghe(vorna, cartella):
    """Bend lines on their own layer: generators of the blank, from edge to edge, evenly spread."""
    for nome, rec, n in [("piegato", record("Piegato", "60.", "120.", "60.", "60.", "60.", "T"), 8),
                         ("obliquo piegato", record("Obl", "300.", "200.", "200.", "60.", "120.", "F"), 5)]:
        dxf = esporta(vorna, cartella, nome, rec, ("--bends", str(n)))
        punti, _ = controlla(dxf)
        msp = ezdxf.readfile(dxf).modelspace()
        linee = [e for e in msp if e.dxf.layer == "PIEGHE"]
        assert len(linee) == n and all(e.dxftype() == "LINE" for e in linee), linee
        lati = list(zip(punti, punti[1:] + punti[:1]))
        for linea in linee:
            for estremo in (linea.dxf.start, linea.dxf.end):
                assert min(distanza((estremo[0], estremo[1]), a, b) for a, b in lati) < 0.01, estremo
        if nome == "piegato":
            # The cone's lines point at the apex, the origin, at equal angles.
            angoli = sorted(math.atan2(l.dxf.start[1], l.dxf.start[0]) % (2 * math.pi) for l in linee)
            for l in linee:
                assert abs(math.atan2(l.dxf.end[1], l.dxf.end[0]) - math.atan2(l.dxf.start[1], l.dxf.start[0])) < 1e-6
            passi = [b - a for a, b in zip(angoli, angoli[1:])]
            assert max(passi) - min(passi) < 1e-6, passi
        else:
            xs = sorted(l.dxf.start[0] for l in linee)
            passi = [b - a for a, b in zip(xs, xs[1:])]
            assert max(passi) - min(passi) < 1e-6, passi
            assert all(abs(l.dxf.start[0] - l.dxf.end[0]) < 1e-9 for l in linee)
    # Without --bends, no such layer.
    doc = ezdxf.readfile(esporta(vorna, cartella, "liscio", record("Liscio", "60.", "120.", "60.", "60.", "60.", "T")))
    assert not [e for e in doc.modelspace() if e.dxf.layer == "PIEGHE"]


def main():
    vorna = sys.argv[1]
    with tempfile.TemporaryDirectory() as cartella:
        # A square-cut cylinder develops to a rectangle: circumference x length.
        punti, testi = controlla(esporta(vorna, cartella, "tubo", record("Tubo è", "80.", "100.", "80.", "90.", "90.", "T")))
        xs, ys = [p[0] for p in punti], [p[1] for p in punti]
        assert abs((max(xs) - min(xs)) - math.pi * 100) <= 0.01, max(xs) - min(xs)
        assert abs((max(ys) - min(ys)) - 80) <= 0.01, max(ys) - min(ys)
        assert testi[4].dxf.text == "Cilindro: Tubo è"
        # A cone whose sector is a half disc: the base edge has the slant radius 120 mm.
        punti, _ = controlla(esporta(vorna, cartella, "cono", record("Cono", "60.", "120.", "60.", "60.", "60.", "T")))
        raggi = [math.hypot(x, y) for x, y in punti]
        assert abs(max(raggi) - 120) <= 0.01, max(raggi)
        # An oblique cylinder closing on BD, and a blank 5000 mm across.
        controlla(esporta(vorna, cartella, "obliquo", record("Obliquo", "300.", "200.", "200.", "60.", "120.", "F")))
        punti, _ = controlla(esporta(vorna, cartella, "grande", record("Grande", "1500.", "2500.", "1500.", "60.", "60.", "T")))
        xs = [p[0] for p in punti]
        assert abs((max(xs) - min(xs)) - 5000) <= 0.01, max(xs) - min(xs)
        # Names holding control codes of TEXT read back exactly as typed (not with a caret at the
        # end: plain_text() drops it however it is written).
        for i, nome in enumerate(["Tubo %%c200 %%d", "100%", "%%u", "a%%%b", "%%%%", "%%p5 %%o%%k %%123", "^J a^ b",
                                  "50% %", "%" * 40]):
            _, testi = controlla(esporta(vorna, cartella, "nome%d" % i, record(nome, "80.", "100.", "80.", "90.", "90.", "T")))
            assert testi[4].plain_text() == "Cilindro: " + nome, (nome, testi[4].dxf.text, testi[4].plain_text())
        controllaPieghe(vorna, cartella)
    print("ok")


if __name__ == "__main__":
    main()
