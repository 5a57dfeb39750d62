// The calculation driver: validate, clear the active window, develop and draw.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "geometry/SceltaForma.h"

#include <functional>

// True when a development was computed (and drawn, when there is a window); false when the
// figures were rejected or the projection refused, each with its one box. A figure too large
// to draw throws ErroreEsecuzione from the plot.
bool CalcolaSviluppo(ContestoCalcolo &c);

// The error trap of a calculation the user asked for: a figure too large to draw is told in a
// box instead of ending the command silently. True when `calcolo` ran to its end and returned
// true; false after that box or when it refused the figures (with its own box).
bool CalcolaOAvvisa(const std::function<bool()> &calcolo);
