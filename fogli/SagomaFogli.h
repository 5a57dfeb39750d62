// The blank as the tiling takes it: its true-size outline and the lines worth laying square to the paper.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <optional>
#include <vector>

struct SagomaFogli {
    std::vector<PuntoPiano> contorno; // closed, true size, mm, y up as in the development
    // Directions in degrees, counter-clockwise from x: the layout also tries the turns that lay
    // each of them along a paper axis.
    std::vector<double> direzioni;
};

// The outline of `profilo` with its chord A-B and, for a cone, the middle generator: the sector's
// axis of symmetry, on which a turned sector needs the fewest sheets.
SagomaFogli SagomaDelProfilo(const ProfiloSviluppo &profilo);

// The figures developed as finely as the DXF export does; empty when they are rejected (already told).
std::optional<SagomaFogli> SagomaDelleFigure(const FigureSviluppo &figure);
