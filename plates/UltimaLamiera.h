// The least filled plate of a nesting moved to a smaller stock size, when its pieces fit there.
#pragma once

#include "plates/Annidamento.h"

// Of two or more plates, puts the least filled last and, when a smaller size of `stock` holds its
// pieces alone, re-nests them on the smallest such size. True when the size changed.
bool UltimaSullaMinore(std::vector<LamieraPosata> &lamiere, const std::vector<PezzoLamiera> &pezzi,
                       const std::vector<Lamiera> &stock, const RegoleAnnidamento &regole);
