// A developed piece: the true-size blank in mm that every output takes, whatever solid it came from.
#pragma once

#include "geometry/SviluppoDenso.h"
#include "pieces/BordoPezzo.h"
#include "pieces/LegendaPezzo.h"
#include "pieces/RigaOrdinate.h"

#include <optional>
#include <vector>

// Outlines for cutting lie within this distance (mm) of the exact piece.
constexpr double k_TolleranzaDxf = 0.005;

struct Generatrice {
    PuntoPiano ab, cd; // from edge AB to edge CD
};

struct Pezzo {
    // The two cut edges, AB from corner A to corner B and CD from C to D; the seams A-C and B-D
    // are straight. The corner marks A, B, C, D stand at their ends.
    BordoPezzo bordoAB, bordoCD;
    // A cone's sector: its apex is the origin, and an edge all at one distance from it is drawn
    // as an exact arc.
    bool settore = false;
    // The generator lines of the 62-point arrays, numbered from 1 as in the table.
    std::vector<Generatrice> generatrici;
    // What the solid was (cone or cylinder, the figures as typed, the plate) and what it
    // measures: titles and legends.
    ValoriLegenda valori;
    // What the true-size drawing adds: the sector's angle in degrees, or the cylinder's diameter.
    double angoloSettore = 0, diametro = 0;
    // The ordinate table; `facce`: its rows carry the generators of the plate's two faces.
    std::vector<RigaOrdinate> righe;
    bool facce = false;
    ColonneOrdinate colonne = ColonneOrdinate::Punti;
};

// The piece's edges with 2 x `generatoriPerMeta` points each, arcs marked; empty when an edge
// cannot be computed that finely (already told).
std::optional<ProfiloSviluppo> CampionaPezzo(const Pezzo &pezzo, int generatoriPerMeta);

struct PezzoCampionato {
    ProfiloSviluppo profilo;
    double saetta = 0; // the estimated sagitta reached
};

// The edges sampled more finely until their estimated sagitta is within `obiettivo` mm (half the
// tolerance by default: the estimate is close, not a bound).
std::optional<PezzoCampionato> CampionaPerTaglio(const Pezzo &pezzo, double obiettivo = k_TolleranzaDxf / 2);
