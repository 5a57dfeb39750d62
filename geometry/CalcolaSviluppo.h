// The calculation driver: validate, clear the active window, develop and draw.
#pragma once

#include "geometry/ContestoCalcolo.h"

// True when a development was computed (and drawn, when there is a window); false when the
// figures were rejected or the projection refused, each with its one box.
bool CalcolaSviluppo(ContestoCalcolo &c);
bool ScegliForma(ContestoCalcolo &c);

// Sides AC and BD parallel within 0.001 rad: the validated projection is a cylinder.
bool FormaCilindro(const StatoSviluppo &s) noexcept;
