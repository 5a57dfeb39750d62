// `vorna --info`: the workshop data of a job on standard output, as lines or as JSON.
#pragma once

#include "geometry/FigureSviluppo.h"

// Develops `figure` (refusals on stderr) and prints its "chiave: valore" lines, or one JSON
// object with `json`. Returns 0, or 1 when the figures are refused.
int StampaDatiOfficina(const FigureSviluppo &figure, bool json);
