// The sagitta estimate that decides the sampling density, and the coincidence the exports can write.
#include "pieces/SaettaBordo.h"

#include <algorithm>
#include <cmath>

namespace {
// Ten steps of the six decimals the exports write. Points that should coincide (the shared middle
// generator, a cut through the apex) differ by rounding that grows with the blank's size, and two
// kept points must stay apart once written, or a cutting machine reads a zero-length segment.
constexpr double k_DistanzaMinima = 1e-5;

// The edge turns by more than 45 degrees at p: a corner of the figure (a top cut through the apex
// reaches it and leaves it there), held exactly by its sample. Finer sampling cannot shrink it,
// and counting it would drive the export to its densest sampling for nothing.
bool angolo(PuntoPiano a, PuntoPiano p, PuntoPiano b)
{
    const double ux = p.x - a.x, uy = p.y - a.y, vx = b.x - p.x, vy = b.y - p.y;
    return ux * vx + uy * vy < std::cos(M_PI / 4) * std::hypot(ux, uy) * std::hypot(vx, vy);
}
} // namespace

bool Coincidono(PuntoPiano a, PuntoPiano b) { return std::hypot(a.x - b.x, a.y - b.y) < k_DistanzaMinima; }

std::vector<PuntoPiano> SenzaDoppioni(const std::vector<PuntoPiano> &punti)
{
    std::vector<PuntoPiano> risultato;
    for (const PuntoPiano &p : punti)
        if (risultato.empty() || !Coincidono(risultato.back(), p))
            risultato.push_back(p);
    return risultato;
}

double SaettaStimata(const std::vector<PuntoPiano> &bordo)
{
    const auto punti = SenzaDoppioni(bordo);
    double massima = 0;
    for (std::size_t i = 1; i + 1 < punti.size(); ++i) {
        const PuntoPiano a = punti[i - 1], p = punti[i], b = punti[i + 1];
        const double corda = std::hypot(b.x - a.x, b.y - a.y);
        if (corda <= 0)
            continue;
        if (angolo(a, p, b))
            continue;
        const double distanza = std::fabs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / corda;
        massima = std::max(massima, distanza / 4);
    }
    return massima;
}
