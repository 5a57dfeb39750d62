// `vorna --info`: the workshop data of a job on standard output, as lines or as JSON.
#pragma once

#include "documents/Commessa.h"

// Develops the piece `sorgente` (refusals on stderr) and prints its "chiave: valore" lines, or one
// JSON object with `json`. Returns 0, or 1 when the figures are refused.
int StampaDatiOfficina(const SorgentePezzo &sorgente, bool json);
