// The cutting outline of a development as one closed point sequence.
#pragma once

#include "geometry/SviluppoDenso.h"
#include "pieces/SaettaBordo.h"

#include <vector>

// From A along AB to B, across the seam to D, back along CD to C; closing returns to A.
std::vector<PuntoPiano> ContornoChiuso(const ProfiloSviluppo &profilo);
