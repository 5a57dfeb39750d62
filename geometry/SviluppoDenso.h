// The true-size development sampled as densely as a cutting machine needs.
#pragma once

#include "geometry/StatoSviluppo.h"

#include <vector>

struct PuntoPiano {
    double x = 0, y = 0;
};

struct ProfiloSviluppo {
    bool cono = false;
    // Points in the arrays' order: first the seam generator of the chosen side (A and C),
    // last the same seam's other end (B and D). With 31 generators per half these are
    // exactly the 62 points of the arrays, in millimetres.
    std::vector<PuntoPiano> bordoAB, bordoCD;
    // Cone only: the sector's apex is the origin; an edge whose points all lie at one
    // distance from it is an exact arc of that radius (a cut square to the axis).
    bool arcoAB = false, arcoCD = false;
    double raggioAB = 0, raggioCD = 0;
};

// Runs the validation, the shape choice and the development of the figures in `s`
// (its input texts), without drawing, and fills `profilo` with `generatoriPerMeta`
// generators per half (held between 2 and 100000). Messages go through the platform as
// when drawing.
// False when the figures are rejected or the projection refused; `s` then holds the
// validation's outcome. On success `s` holds the 62-point arrays, sums and extents in mm.
bool SviluppoVero(StatoSviluppo &s, int generatoriPerMeta, ProfiloSviluppo &profilo);

// An edge all at one distance from the apex, the origin (within a relative 1e-9), is an exact arc:
// true, with its radius in `raggio`.
bool ArcoEsatto(const std::vector<PuntoPiano> &bordo, double &raggio);
