// A row of the ordinate table: one of the 62 generators with its points on both edges, in mm.
#pragma once

#include "geometry/GeneratoriFacce.h"
#include "geometry/StatoSviluppo.h"

#include <vector>

// What a table lists after k: the points of both edges, or an eccentric reducer's generators as a
// workshop marks them (the base angle, the true length, and the developed angle from the seam of
// a cone or the mm along the section of a cylinder).
enum class ColonneOrdinate { Punti, GeneratoriCono, GeneratoriCilindro };

struct RigaOrdinate {
    int k = 0;
    double XAB = 0, YAB = 0, XCD = 0, YCD = 0, generatore = 0;
    double interna = 0, esterna = 0; // the generator on each face of the plate, with a thickness
    double gradiBase = 0, sviluppo = 0;

    // The figures after k, in the order of the titles.
    std::vector<double> Valori(bool facce, ColonneOrdinate colonne = ColonneOrdinate::Punti) const;
};

// The 62 rows of the arrays of `s` (in mm, before any plot), with the faces' generators if given.
std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s, const GeneratoriFacce *facce = nullptr);
