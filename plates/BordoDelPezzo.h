// Where a piece of a split blank meets one of the blank's cut edges: the ends of a seam across the
// axis, and the generators the piece holds whole.
#pragma once

#include "pieces/Pezzo.h"
#include "plates/DividiPezzo.h"

#include <vector>

struct PuntoSulBordo {
    PuntoPiano punto;
    double lungo = 0;           // mm along the edge from its first point
    size_t generatrice = 0;     // the edge's point at or just before it
    double frazione = 0;        // how far on to the next point, 0 to 1
    size_t vertice = 0;         // its index in the outline
    bool suGeneratrice = false; // the edge's own point, not a corner cut between two
};

// The vertices of `contorno` lying on `bordo` (one point per generator, in order, as the piece
// was cut from it), in the outline's order.
std::vector<PuntoSulBordo> PuntiSulBordo(const Poligono &contorno, const std::vector<PuntoPiano> &bordo);

// About `quante` of the blank's generators that lie whole in `contorno` (a piece cut from
// `blank` without trim), evenly across it, from the base edge to the top edge.
std::vector<Generatrice> GeneratriciNelPezzo(const Blank &blank, const Poligono &contorno, int quante = 25);
