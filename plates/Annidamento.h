// The pieces laid on stock plates of one size, a kerf apart and clear of the plate's margin.
#pragma once

#include "plates/Lamiera.h"
#include "plates/PezzoLamiera.h"

#include <limits>
#include <optional>

struct RegoleAnnidamento {
    double kerf = 10;    // least distance between two pieces, mm
    double margine = 10; // least distance from a piece to the plate's edge, mm
};

// A piece on a plate: its outline turned by `angolo` radians about the origin, then moved.
struct PezzoPosato {
    int pezzo = 0; // index in the pieces nested
    double angolo = 0, dx = 0, dy = 0;
};

struct LamieraPosata {
    Lamiera lamiera;
    std::vector<PezzoPosato> pezzi;
};

// The outline of `pezzo` where `posato` puts it.
Poligono ContornoPosato(const PezzoLamiera &pezzo, const PezzoPosato &posato);

// The turn (radians) that lays `contorno` in the narrowest box no taller than `altezza`; empty
// when no turn fits it.
std::optional<double> AngoloMigliore(const Poligono &contorno, double altezza);

// Every piece placed, the larger first, on as few plates as the greedy placement finds:
// pieces alternate head to tail along the plate, each slid against the ones already there.
// Empty when some piece fits no empty plate, or more than `massimo` plates would be needed.
std::optional<std::vector<LamieraPosata>> Annida(const std::vector<PezzoLamiera> &pezzi, const Lamiera &lamiera,
                                                 const RegoleAnnidamento &regole,
                                                 size_t massimo = std::numeric_limits<size_t>::max());
