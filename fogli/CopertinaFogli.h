// The cover sheet of a tiled printout: the whole template reduced, its grid, how to assemble it.
#pragma once

#include "fogli/ImpaginaFogli.h"

// In sheet mm on the same drawing area as the sheets; nothing in k_BluScuro, as nothing on it is
// at true size.
ElencoVisualizzazione DisegnaCopertina(const ImpaginazioneFogli &impaginazione);
