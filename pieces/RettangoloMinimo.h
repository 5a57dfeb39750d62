// The smallest rectangle a flat outline fits in, at whatever angle: the plate a blank needs.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <vector>

struct RettangoloMinimo {
    double larghezza = 0, altezza = 0; // larghezza >= altezza
    double angolo = 0;                 // radians: the direction of the long side
    PuntoPiano origine;                // the corner the sides start from
};

// The convex hull of `punti`, counter-clockwise, without repeated or aligned points.
std::vector<PuntoPiano> InvolucroConvesso(std::vector<PuntoPiano> punti);

// The minimum-area enclosing rectangle: one of its sides lies along a side of the hull, so each
// side is tried with the extreme points carried round (rotating calipers).
RettangoloMinimo RettangoloMinimoDi(const std::vector<PuntoPiano> &punti);
