// The piece a job holds, for the exports and prints that start from a development window.
#pragma once

#include "documents/Commessa.h"
#include "pieces/Pezzo.h"

#include <optional>

// The job's first piece developed afresh from its figures as typed; empty for a job without
// pieces or when the figures are refused (already told).
std::optional<Pezzo> PezzoDellaCommessa(const Commessa &commessa);
// The same for one piece, whatever its solid.
std::optional<Pezzo> PezzoDellaSorgente(const SorgentePezzo &sorgente);
