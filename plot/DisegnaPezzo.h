// The development window's drawing of a piece of any solid other than the projection's: its
// outline fitted to the page, the corner letters and the legend.
#pragma once

#include "pieces/Pezzo.h"
#include "plot/SuperficieDisegno.h"

// Draws `pezzo` at the smallest whole scale 1:N that fits it below the legend; returns N, or 0
// when its edges cannot be sampled (nothing drawn).
int DisegnaPezzo(const Pezzo &pezzo, SuperficieDisegno &superficie);
