// The plate's faces and mean surface as side projections of their own, for the same developments.
#pragma once

#include "geometry/StatoSviluppo.h"

// Moves the sides AC and BD of the laid-out projection `s` by `scostamento` mm square to
// themselves towards the inside (outwards when negative), keeps the cut lines AB and CD, and
// lays the crossings out again: BaseAB, LatoAC, LatoBD and the corners, the angles unchanged.
// A cylinder's diameter shrinks by twice the distance; a cone's radius at an end square to its
// axis by the distance over the cosine of its half angle.
void SpostaLati(StatoSviluppo &s, double scostamento) noexcept;

// The smallest radius, square to its axis, of the solid whose laid-out projection is `s`: the
// radius at the corner nearest the apex, half the width of a cylinder.
double RaggioMinimo(const StatoSviluppo &s) noexcept;

// A plate `spessore` mm thick, whose mean surface lies `scostamento` mm inside the sides of `s`,
// rolls: it is thinner than the solid's smallest radius, and both its faces are real truncated
// solids between the same cuts.
bool FacceReali(const StatoSviluppo &s, double spessore, double scostamento) noexcept;
