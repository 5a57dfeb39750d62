// The cover of a tiled printout: the whole template reduced, its grid, how to assemble it; then,
// when the grid is too fine for its labels, pages that show it in parts, every sheet labelled.
#pragma once

#include "fogli/ImpaginaFogli.h"

// Pages in sheet mm on the same drawing area as the sheets; nothing in k_BluScuro, as nothing on
// them is at true size but the scale bars that no sheet had room for.
std::vector<ElencoVisualizzazione> DisegnaCopertina(const ImpaginazioneFogli &impaginazione);
