// Closed outlines in the plane (mm): the little geometry the splitting and the nesting need.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <vector>

// Vertices in order, the last joined to the first (not repeated).
using Poligono = std::vector<PuntoPiano>;

// The distance of `p` from the segment a-b; `t` receives where the nearest point is, 0 at a, 1 at b.
double DistanzaDalSegmento(PuntoPiano p, PuntoPiano a, PuntoPiano b, double *t = nullptr);

// Positive for a counter-clockwise outline.
double AreaConSegno(const Poligono &p);
double Perimetro(const Poligono &p);

// The part of `p` where (q - punto) . normale >= scostamento, for a unit `normale`. Exact for a
// half-plane; the pieces of a blank are one piece each side of a seam, so never two apart.
Poligono TagliaSemipiano(const Poligono &p, PuntoPiano punto, PuntoPiano normale, double scostamento);

// The total length of the line through `punto` along unit `direzione` that lies inside `p`.
double CordaInterna(const Poligono &p, PuntoPiano punto, PuntoPiano direzione);

struct Riquadro {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    double Larghezza() const { return maxX - minX; }
    double Altezza() const { return maxY - minY; }
};
Riquadro RiquadroDi(const Poligono &p);

// Turned by `angolo` radians about the origin, then moved by (dx, dy).
Poligono Posiziona(const Poligono &p, double angolo, double dx = 0, double dy = 0);

// Fewer vertices, every dropped one within `tolleranza` of the outline kept (Douglas-Peucker).
Poligono Semplifica(const Poligono &p, double tolleranza);

bool Contiene(const Poligono &p, PuntoPiano q);

// The least distance between the two outlines; 0 when they cross or one holds the other.
double DistanzaPoligoni(const Poligono &a, const Poligono &b);

// Whether the two outlines come closer than `distanza` (or overlap): DistanzaPoligoni(a, b) <
// distanza, stopping at the first pair of sides that shows it.
bool PiuViciniDi(const Poligono &a, const Poligono &b, double distanza);
