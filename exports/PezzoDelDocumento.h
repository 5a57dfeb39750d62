// The piece a development window shows, for the exports and prints that start from it.
#pragma once

#include "development/DocumentoSviluppo.h"
#include "pieces/Pezzo.h"

#include <optional>

// Developed afresh from the figures the window holds; empty when they are refused (already told).
std::optional<Pezzo> PezzoDelDocumento(const DocumentoSviluppo &documento);
