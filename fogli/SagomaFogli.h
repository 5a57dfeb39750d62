// The piece as the tiling takes it: its true-size outline, the lines worth laying square to the paper,
// and what the sheets mark on it.
#pragma once

#include "geometry/SviluppoDenso.h"
#include "pieces/Pezzo.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

struct LetteraAngolo {
    PuntoPiano punto;
    QString lettera;
};

struct SagomaFogli {
    std::vector<PuntoPiano> contorno; // closed, true size, mm, y up as in the development
    // Directions in degrees, counter-clockwise from x: the layout also tries the turns that lay
    // each of them along a paper axis.
    std::vector<double> direzioni;
    std::vector<LetteraAngolo> angoli; // A, B, C, D
    // The generators of the 62 points, from edge AB to edge CD, numbered from 1 as in the ordinate table.
    std::vector<std::pair<PuntoPiano, PuntoPiano>> generatori;
    QStringList legenda; // the seven true-size legend lines; empty when only the outline is known
    QStringList dati;    // the workshop data block, for the cover
};

// The outline of `profilo` with its chord A-B and, for a cone, the middle generator: the sector's
// axis of symmetry, on which a turned sector needs the fewest sheets. The corners are its ends.
SagomaFogli SagomaDelProfilo(const ProfiloSviluppo &profilo);

// The same for `pezzo`, its edges sampled in `campionato`, with its generators and true-size legend.
SagomaFogli SagomaDelPezzo(const Pezzo &pezzo, const ProfiloSviluppo &campionato);

// The piece sampled as finely as cutting needs; empty when it cannot be (already told).
std::optional<SagomaFogli> SagomaDelPezzo(const Pezzo &pezzo);

// The piece of the figures; empty when they are rejected (already told).
std::optional<SagomaFogli> SagomaDelleFigure(const FigureSviluppo &figure);
