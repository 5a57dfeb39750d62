// Measuring a developed figure: edge lengths, extremes, width and height.
#pragma once

#include "geometry/StatoSviluppo.h"

// SommaAB and SommaCD: the 61 chords of each edge.
void SommeBordi(StatoSviluppo &s) noexcept;
// The eight maxima and minima over points 1 to 62.
void EstremiBordi(StatoSviluppo &s) noexcept;
// Larghezza and Altezza from the extremes, by the cylinder's rule and by the cone's.
void EstensioneCilindro(StatoSviluppo &s) noexcept;
void EstensioneCono(StatoSviluppo &s) noexcept;
// True when the arrays, sums, extremes and extents are all finite numbers.
bool SviluppoFinito(const StatoSviluppo &s) noexcept;
