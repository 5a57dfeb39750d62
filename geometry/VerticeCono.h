// Where the lines AC and BD of the side projection meet: the apex of the cone.
#pragma once

#include "geometry/StatoSviluppo.h"

// From the corner points as they stand; the two lines must not be parallel.
void CalcolaVertice(const StatoSviluppo &s, double &x, double &y) noexcept;
