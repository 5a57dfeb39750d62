// A segmented elbow: its pieces, each a right cylinder or cone cut by two planes.
#pragma once

#include "geometry/FigureOfficina.h"

#include <vector>

// The bend lies in one plane about the origin, its centre line an arc of radius R from 0 to
// Angolo degrees. D1 at the first free end, D2 at the last (equal: a constant elbow; otherwise the
// diameter goes linearly with the bend angle, joined by the common-sphere method). Two end pieces,
// each with a straight length Tratto beyond the bend, and Pezzi - 2 full gores.
struct FigureGomito {
    double D1 = 0, D2 = 0, R = 0, Angolo = 90;
    int Pezzi = 4;
    double Tratto = 0;
};

// A piece as the side projection sees it: A and C on the throat, B and D on the back, AB the
// wider end's cut. `rovesciato`: the piece narrows against the elbow's run, so its base is the cut
// nearer the elbow's end.
struct PezzoGomito {
    ProiezioneEsatta proiezione;
    FigureOfficina officina;
    double gola = 0, dorso = 0; // the throat's and the back's lengths (AC and BD)
    bool rovesciato = false;
};

// The pieces from the first free end to the last; empty when the figures make no elbow (a bend
// radius inside the pipe, fewer than two pieces, an angle outside 0 to 180 degrees).
std::vector<PezzoGomito> PezziDelGomito(const FigureGomito &g);
