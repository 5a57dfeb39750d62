// Where the lines AC and BD of the side projection meet: the apex of the cone.
#pragma once

#include "geometry/StatoSviluppo.h"

// From A, B and the base angles as the projection is laid out (before the cone moves its
// points); the two lines must not be parallel.
void CalcolaVertice(const StatoSviluppo &s, double &x, double &y) noexcept;
