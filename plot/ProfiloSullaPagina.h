// A sampled piece on the page: its extent, and its outline drawn through a page transform.
#pragma once

#include "geometry/SviluppoDenso.h"
#include "plot/SuperficieDisegno.h"

#include <algorithm>
#include <functional>
#include <limits>

struct RiquadroProfilo {
    double xMin = std::numeric_limits<double>::max(), yMin = xMin;
    double xMax = std::numeric_limits<double>::lowest(), yMax = xMax;
    void Aggiungi(const PuntoPiano &p)
    {
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
};

RiquadroProfilo RiquadroDelProfilo(const ProfiloSviluppo &profilo);

// Both edges and the two straight seams, each point through `pagina`.
void TracciaProfilo(const ProfiloSviluppo &profilo, const std::function<PuntoPiano(const PuntoPiano &)> &pagina,
                    SuperficieDisegno &superficie);
