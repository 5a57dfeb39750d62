"""Reads a DXF with ezdxf and prints, as JSON, its cutting outline: how many closed polylines are on
TAGLIO, the outline's signed area (positive: counter-clockwise), whether any vertex bulges, and the
lengths of the four stretches between its four sharpest corners, in order along the outline."""
import json
import math
import sys

import ezdxf


def main():
    doc = ezdxf.readfile(sys.argv[1])
    taglio = [e for e in doc.modelspace() if e.dxf.layer == "TAGLIO"]
    chiuse = [e for e in taglio if e.dxftype() in ("POLYLINE", "LWPOLYLINE") and e.is_closed]
    punti = [(v.dxf.location.x, v.dxf.location.y) for v in chiuse[0].vertices]
    bulge = any(v.dxf.get("bulge", 0) for v in chiuse[0].vertices)
    n = len(punti)
    area = sum(punti[i][0] * punti[(i + 1) % n][1] - punti[(i + 1) % n][0] * punti[i][1] for i in range(n)) / 2

    def svolta(i):
        a, b, c = punti[i - 1], punti[i], punti[(i + 1) % n]
        u, v = (b[0] - a[0], b[1] - a[1]), (c[0] - b[0], c[1] - b[1])
        return abs(math.atan2(u[0] * v[1] - u[1] * v[0], u[0] * v[0] + u[1] * v[1]))

    spigoli = sorted(sorted(range(n), key=svolta)[-4:])
    tratti = []
    for k, inizio in enumerate(spigoli):
        fine = spigoli[(k + 1) % 4] + (n if k == 3 else 0)
        tratti.append(sum(math.dist(punti[i % n], punti[(i + 1) % n]) for i in range(inizio, fine)))
    print(json.dumps({"chiuse": len(chiuse), "entita": len(taglio), "area": area, "bulge": bulge, "tratti": tratti}))


if __name__ == "__main__":
    main()
