// `vorna --info`: the workshop data of a job on standard output, as lines or as JSON.
#pragma once

#include "documents/Commessa.h"

// Develops the piece `sorgente` (refusals on stderr) and prints its "chiave: valore" lines, or one
// JSON object with `json`. Returns 0, or 1 when the figures are refused.
int StampaDatiOfficina(const SorgentePezzo &sorgente, bool json);

// The same for a job of several pieces: with workshop figures first the cut-back table (each
// piece's throat and back, cuts and developed width), then each piece's data under its name.
int StampaDatiCommessa(const Commessa &commessa, bool json);
