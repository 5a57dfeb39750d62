// Where the texts of the DXF go: corner letters outside the material, the legend beside the blank.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <vector>

struct RiquadroTesto {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;

    bool tocca(const RiquadroTesto &altro) const
    {
        return minX <= altro.maxX && altro.minX <= maxX && minY <= altro.maxY && altro.minY <= maxY;
    }
};

// The box of `punti`; all zero when there are none.
RiquadroTesto RiquadroDei(const std::vector<PuntoPiano> &punti);

// The box a single centred letter of height `altezza` takes at `centro`, with a clearance.
RiquadroTesto RiquadroLettera(PuntoPiano centro, double altezza);

// The centre for the letter of `angolo`, a corner of the closed outline `contorno`: the nearest
// place, first straight out of the corner, whose box lies outside the material, clear of the
// outline and of the boxes `occupati`.
PuntoPiano PostoLettera(const std::vector<PuntoPiano> &contorno, PuntoPiano angolo, double altezza,
                        const std::vector<RiquadroTesto> &occupati);

// True when `p` lies inside the closed polygon `poligono` (even-odd rule).
bool DentroPoligono(const std::vector<PuntoPiano> &poligono, PuntoPiano p);
