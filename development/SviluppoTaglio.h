// The true-size development sampled as finely as cutting needs, shared by every true-size export.
#pragma once

#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"

// Outline within this distance (mm) of the exact development.
constexpr double k_TolleranzaDxf = 0.005;

// Develops the input texts of `figure` (Nome ... ChiudiAC) in a fresh state, refining the
// sampling until its estimated sagitta is within `obiettivo` mm (half the tolerance by default:
// the estimate is close, not a bound); the estimate reached goes to `saetta`. False when the
// figures are rejected (already told through the platform).
bool SviluppaPerTaglio(const FigureSviluppo &figure, StatoSviluppo &sviluppato, ProfiloSviluppo &profilo,
                       double obiettivo = k_TolleranzaDxf / 2, double *saetta = nullptr);
