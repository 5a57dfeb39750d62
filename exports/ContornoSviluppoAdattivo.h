// The cutting outline with each edge sampled for itself to a tolerance: counter-clockwise, from A.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <vector>

// A vertex of the outline and the bulge of the segment that leaves it (the tangent of a quarter
// of the arc's included angle, positive counter-clockwise; 0 for a straight segment).
struct VerticeTaglio {
    PuntoPiano p;
    double bulge = 0;
};

struct ContornoTaglio {
    std::vector<VerticeTaglio> vertici; // closed: the last vertex joins the first
    PuntoPiano A, B, C, D;
    int verticiAB = 0, verticiCD = 0;        // each edge's vertices, its corners included
    double lunghezzaAB = 0, lunghezzaCD = 0; // the edges as drawn, arcs as arcs
    int archi = 0;                           // segments written as exact arcs
    double tolleranza = 0;                   // the bound kept: the one asked, unless the dense sampling was too coarse
};

// The fewest points of the dense edge `denso` whose chords keep every dense point within
// `tolleranza`: from each kept point, the farthest one that keeps its chord within it.
std::vector<PuntoPiano> BordoSemplificato(const std::vector<PuntoPiano> &denso, double tolleranza);

// The outline of `profilo`, whose dense chords lie within `scartoDenso` of the exact edges, with
// every point within `tolleranza` of them; with `archi`, an edge that is an exact arc is written
// as arcs of at most a quarter turn.
ContornoTaglio ContornoAdattivo(const ProfiloSviluppo &profilo, double tolleranza, double scartoDenso, bool archi);
