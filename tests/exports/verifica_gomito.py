"""A segmented elbow from `vorna --new-elbow`, its whole job exported and read back with ezdxf.

The expected figures come from the elbow's plain geometry, not from the program: a gore of a
90 degree elbow of 4 pieces spans 30 degrees of the bend, so its throat is 2 (R - D/2) tan 15 and
its back 2 (R + D/2) tan 15; rolled, every piece of a constant elbow is pi D wide.
"""
import csv
import math
import os
import subprocess
import sys
import tempfile

import ezdxf

D, R = 300.0, 450.0
GOLA = 2 * (R - D / 2) * math.tan(math.radians(15))
DORSO = 2 * (R + D / 2) * math.tan(math.radians(15))


def esegui(vorna, *argomenti, codice=0):
    ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    esito = subprocess.run([vorna, *argomenti], env=ambiente, capture_output=True, timeout=120)
    assert esito.returncode == codice, (argomenti, esito.returncode, esito.stderr.decode())
    return esito


def area(punti):
    return sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(punti, punti[1:] + punti[:1])) / 2


def pezzi_del_dxf(percorso):
    doc = ezdxf.readfile(percorso)
    assert not doc.audit().has_errors
    msp = doc.modelspace()
    contorni = [[(v.dxf.location.x, v.dxf.location.y) for v in p.vertices] for p in msp.query("POLYLINE")]
    for p in msp.query("POLYLINE"):
        assert p.dxf.layer == "TAGLIO" and p.is_closed
    testi = [(t.dxf.text, t.dxf.layer) for t in msp.query("TEXT")]
    return contorni, testi


def lati_diritti(contorno, x):
    """The lengths of the outline's segments lying on the vertical line at x: the seam edges."""
    lati = []
    for a, b in zip(contorno, contorno[1:] + contorno[:1]):
        if abs(a[0] - x) < 1e-6 and abs(b[0] - x) < 1e-6:
            lati.append(abs(b[1] - a[1]))
    return lati


def controlla_gomito(vorna, cartella):
    job = os.path.join(cartella, "gomito.vorna")
    esegui(vorna, "--new-elbow", job, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "4")
    for cucitura, atteso in (("throat", GOLA), ("back", DORSO)):
        job = os.path.join(cartella, cucitura + ".vorna")
        dxf = os.path.join(cartella, cucitura + ".dxf")
        esegui(vorna, "--new-elbow", job, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "4",
               "--seam", cucitura)
        esegui(vorna, "--export-dxf", job, dxf)
        contorni, testi = pezzi_del_dxf(dxf)
        assert len(contorni) == 4, len(contorni)
        scatole = []
        for contorno in contorni:
            assert area(contorno) > 0, "un contorno non è antiorario"
            xs, ys = [p[0] for p in contorno], [p[1] for p in contorno]
            scatole.append((min(xs), max(xs), min(ys), max(ys)))
            assert abs(max(xs) - min(xs) - math.pi * D) < 0.01, max(xs) - min(xs)
        # Side by side, none over another.
        scatole.sort()
        for prima, dopo in zip(scatole, scatole[1:]):
            assert prima[1] < dopo[0], (prima, dopo)
        # The gores' seam edges, straight on both sides of the blank, are the chosen seam's line.
        for contorno in contorni[1:3]:
            x0 = min(p[0] for p in contorno)
            lati = lati_diritti(contorno, x0)
            assert len(lati) == 1 and abs(lati[0] - atteso) < 0.01, (cucitura, lati, atteso)
        nomi = [t for t, layer in testi if layer == "TESTI"]
        for k in range(1, 5):
            assert f"Pezzo {k}" in nomi, nomi
        assert nomi.count("gola") == 4 and nomi.count("dorso") == 4, nomi

    # The table of every piece, led by its number.
    tabella = os.path.join(cartella, "gomito.csv")
    esegui(vorna, "--export-csv", os.path.join(cartella, "throat.vorna"), tabella)
    with open(tabella, newline="") as f:
        righe = list(csv.reader(f))
    assert righe[0][0] == "pezzo"
    assert {r[0] for r in righe[1:]} == {"1", "2", "3", "4"}

    info = esegui(vorna, "--info", os.path.join(cartella, "throat.vorna")).stdout.decode()
    assert f"Pezzo 2: gola {GOLA:.2f} mm; dorso {DORSO:.2f} mm" in info, info


def controlla_striscia(vorna, cartella):
    """The nested strip: pieces turned half a turn in turn, so at the seam line (x = 0) they show
    throat, back, throat, back; the strip as long as the elbow's centre line between its ends."""
    job = os.path.join(cartella, "throat.vorna")
    dxf = os.path.join(cartella, "striscia.dxf")
    esegui(vorna, "--export-dxf", job, dxf, "--strip")
    doc = ezdxf.readfile(dxf)
    assert not doc.audit().has_errors
    linee = list(doc.modelspace().query("POLYLINE"))
    chiuse = [p for p in linee if p.is_closed]
    tagli = sorted(([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices] for p in linee if not p.is_closed),
                   key=lambda t: t[0][1])
    assert len(chiuse) == 1 and len(tagli) == 3, (len(chiuse), len(tagli))
    bordo = [(v.dxf.location.x, v.dxf.location.y) for v in chiuse[0].vertices]
    larghezza = max(p[0] for p in bordo) - min(p[0] for p in bordo)
    lunghezza = max(p[1] for p in bordo) - min(p[1] for p in bordo)
    t = math.tan(math.radians(15))
    assert abs(larghezza - math.pi * D) < 0.01, larghezza
    assert abs(lunghezza - 3 * 2 * R * t) < 0.01, lunghezza
    quote = [0.0] + [taglio[0][1] for taglio in tagli] + [lunghezza]
    altezze = [b - a for a, b in zip(quote, quote[1:])]
    attese = [(R - D / 2) * t, DORSO, GOLA, (R + D / 2) * t]
    assert all(abs(a - b) < 0.01 for a, b in zip(altezze, attese)), (altezze, attese)
    for taglio in tagli:
        assert abs(taglio[0][0]) < 1e-9 and abs(taglio[-1][0] - larghezza) < 1e-6
    # Apart, each piece takes a plate as long as its back.
    risparmio = math.pi * D * (2 * (R + D / 2) * t + 2 * DORSO - lunghezza) * 1e-6
    info = esegui(vorna, "--info", job).stdout.decode()
    assert f"(m²): {risparmio:.4f}" in info, (risparmio, info)

    esito = esegui(vorna, "--export-dxf", os.path.join(cartella, "riduzione.vorna"), dxf, "--strip", codice=2)
    assert "diametro costante" in esito.stderr.decode()


def controlla_pezzo(vorna, cartella):
    """One piece of the job alone: a gore is one outline pi D wide whose seam edge is the throat; a
    piece the job does not have is refused and nothing is written."""
    job = os.path.join(cartella, "throat.vorna")
    dxf = os.path.join(cartella, "pezzo2.dxf")
    esegui(vorna, "--export-dxf", job, dxf, "--piece", "2")
    contorni, _ = pezzi_del_dxf(dxf)
    assert len(contorni) == 1, len(contorni)
    xs = [p[0] for p in contorni[0]]
    assert abs(max(xs) - min(xs) - math.pi * D) < 0.01, max(xs) - min(xs)
    lati = lati_diritti(contorni[0], min(xs))
    assert len(lati) == 1 and abs(lati[0] - GOLA) < 0.01, lati
    for errato in ("5", "0", "due"):
        manca = os.path.join(cartella, "manca.dxf")
        esito = esegui(vorna, "--export-dxf", job, manca, "--piece", errato, codice=2)
        assert "--piece" in esito.stderr.decode(), esito.stderr
        assert not os.path.exists(manca)
    esito = esegui(vorna, "--export-dxf", job, os.path.join(cartella, "manca.dxf"), "--piece", "9", codice=2)
    assert "da 1 a 4" in esito.stderr.decode(), esito.stderr

    # The material goes with every piece, for its weight: 2 mm stainless, outside diameter 300.
    inox = os.path.join(cartella, "inox.vorna")
    esegui(vorna, "--new-elbow", inox, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "4",
           "--thickness", "2", "--material", "Inox")
    info = esegui(vorna, "--info", inox).stdout.decode()
    assert info.count("Materiale: Inox, 7.93 kg/dm³") == 4, info
    esito = esegui(vorna, "--new-elbow", inox + "2.vorna", "--d", "300", "--radius", "450", "--angle", "90",
                   "--pieces", "4", "--material", "Legno", codice=2)
    assert "Materiale sconosciuto" in esito.stderr.decode(), esito.stderr


def controlla_rifiuti(vorna, cartella):
    job = os.path.join(cartella, "stretto.vorna")
    esito = esegui(vorna, "--new-elbow", job, "--d", "300", "--radius", "140", "--angle", "90", "--pieces", "4",
                   codice=1)
    assert "raggio" in esito.stderr.decode(), esito.stderr
    esito = esegui(vorna, "--new-elbow", job, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "65",
                   codice=1)
    assert "pezzi" in esito.stderr.decode(), esito.stderr
    assert not os.path.exists(job)


def controlla_riduzione(vorna, cartella):
    job = os.path.join(cartella, "riduzione.vorna")
    dxf = os.path.join(cartella, "riduzione.dxf")
    esegui(vorna, "--new-elbow", job, "--d", "400", "--d2", "250", "--radius", "600", "--angle", "90", "--pieces",
           "5", "--stagger", "--seam", "back")
    esegui(vorna, "--export-dxf", job, dxf)
    contorni, _ = pezzi_del_dxf(dxf)
    assert len(contorni) == 5
    for contorno in contorni:
        assert area(contorno) > 0


def main():
    vorna = sys.argv[1]
    with tempfile.TemporaryDirectory() as cartella:
        controlla_gomito(vorna, cartella)
        controlla_rifiuti(vorna, cartella)
        controlla_riduzione(vorna, cartella)
        controlla_striscia(vorna, cartella)
        controlla_pezzo(vorna, cartella)
    print("gomito: ok")


if __name__ == "__main__":
    main()
