// Validated figures to a developed cylinder or cone, nothing drawn.
#pragma once

#include "geometry/ContestoSviluppo.h"

// Clears ErroreDati and validates; false (with the validation's box) when the figures are rejected.
bool FigureValide(StatoSviluppo &s);

// Develops the validated figures as a cylinder or a cone, up to the choice of the plot routine.
// False when the projection is refused, with its one box.
bool ScegliForma(ContestoSviluppo &c);

// Validation and development without a window or a worksheet, as the exports need them.
bool SviluppaSenzaDisegno(StatoSviluppo &s);

// Sides AC and BD parallel (LatiParalleli): the validated projection is a cylinder.
bool FormaCilindro(const StatoSviluppo &s) noexcept;
