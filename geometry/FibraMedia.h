// The plate's faces and mean surface as side projections of their own, for the same developments.
#pragma once

#include "geometry/StatoSviluppo.h"

// Moves the sides AC and BD of the laid-out projection `s` by `scostamento` mm square to
// themselves towards the inside (outwards when negative), keeps the cut lines AB and CD, and
// lays the crossings out again: BaseAB, LatoAC, LatoBD and the corners, the angles unchanged.
// A cylinder's diameter shrinks by twice the distance; a cone's radius at an end square to its
// axis by the distance over the cosine of its half angle.
void SpostaLati(StatoSviluppo &s, double scostamento) noexcept;

// Both faces of a plate `spessore` mm thick whose mean surface lies `scostamento` mm inside the
// sides of `s` are real truncated solids between the same cuts.
bool FacceReali(const StatoSviluppo &s, double spessore, double scostamento) noexcept;
