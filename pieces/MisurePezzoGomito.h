// What the shop reads off an elbow's piece: the cut-back table's row.
#pragma once

#include "pieces/Pezzo.h"

#include <optional>

struct MisurePezzoGomito {
    double gola = 0, dorso = 0;       // the shortest and the longest generator (mm): throat and back
    double taglio1 = 0, taglio2 = 0;  // the cuts from square to the axis (degrees), base and top
    double larghezza = 0;             // the developed width: round for a cylinder, the plate's for a cone
    PuntoPiano puntoGola, puntoDorso; // the middles of those generators on the blank
};

// The row of a piece with workshop figures; empty when its edges cannot be sampled (told).
std::optional<MisurePezzoGomito> MisureDelPezzoGomito(const Pezzo &pezzo);
