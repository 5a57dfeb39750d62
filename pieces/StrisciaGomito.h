// A constant elbow's pieces nested on one strip: every other one turned half a turn about its
// axis, so that neighbours share their cut and one cut serves two pieces.
#pragma once

#include "geometry/Gomito.h"
#include "geometry/SviluppoDenso.h"

#include <optional>
#include <vector>

struct StrisciaGomito {
    double larghezza = 0, lunghezza = 0; // mm: round the mean surface, and along the strip
    // The shared cuts across the strip (x from 0 to larghezza), from the first free end's side.
    std::vector<std::vector<PuntoPiano>> tagli;
    double areaStriscia = 0, areaSeparata = 0; // m²: the strip, and each piece's own blank summed
};

// The strip of the elbow `g` rolled at `diametroMedio`, each cut sampled at `punti` points; empty
// for a reducing elbow (its pieces are cones: they do not nest on a strip).
std::optional<StrisciaGomito> StrisciaDelGomito(const FigureGomito &g, double diametroMedio, int punti);
