// Whether a side projection is a real truncated cone or cylinder, told by its corners alone.
#pragma once

#include "geometry/StatoSviluppo.h"

enum class FormaProiezione {
    Tronco,         // a truncated cone or cylinder
    LatiIncrociati, // both C and D past the apex: the sides cross each other
    NonTronco,      // no truncated solid at all
};

// Sides parallel within less than this (radians): a cylinder, which has no apex.
constexpr double k_SogliaParallele = 0.001;

// Sides AC and BD parallel, by the one test the validation and the shape choice share: a
// projection that is not a cylinder has its apex checked.
bool LatiParalleli(const StatoSviluppo &s) noexcept;

// Lays the corners out from the figures: A at the origin, B on the positive x axis, C and D
// along the sides at Alfa and Beta.
void PuntiProiezione(StatoSviluppo &s) noexcept;

// From the figures and corners of `s` as the validation lays them out (A at the origin, B on
// the positive x axis): positive lengths and base angles below a straight one, then either
// parallel sides or sides meeting above the base with C and D not past the apex.
FormaProiezione FormaDellaProiezione(const StatoSviluppo &s) noexcept;
