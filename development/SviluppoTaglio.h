// The true-size development sampled as finely as cutting needs, shared by every true-size export.
#pragma once

#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"

// Outline within this distance (mm) of the exact development.
constexpr double k_TolleranzaDxf = 0.01;

// Develops the input texts of `figure` (Nome ... ChiudiAC) in a fresh state, refining the
// sampling until the outline lies within k_TolleranzaDxf of the exact curve. False when the
// figures are rejected (already told through the platform).
bool SviluppaPerTaglio(const FigureSviluppo &figure, StatoSviluppo &sviluppato, ProfiloSviluppo &profilo);
