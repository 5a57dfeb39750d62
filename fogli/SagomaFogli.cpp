// The outline and the notable directions of a development.
#include "fogli/SagomaFogli.h"

#include "development/ContornoSviluppo.h"
#include "development/SviluppoTaglio.h"

#include <cmath>

namespace {
constexpr double k_GradiPerRadiante = 180 / M_PI;

// The middle generator joins the apex (the origin) to the middle of an edge; the edge farther from
// the apex gives it when the other passes through the apex.
PuntoPiano MezzoBordo(const std::vector<PuntoPiano> &bordo)
{
    if (bordo.empty())
        return {};
    const PuntoPiano a = bordo[(bordo.size() - 1) / 2], b = bordo[bordo.size() / 2];
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}
} // namespace

SagomaFogli SagomaDelProfilo(const ProfiloSviluppo &profilo)
{
    SagomaFogli sagoma;
    sagoma.contorno = ContornoChiuso(profilo);
    if (profilo.bordoAB.size() < 2)
        return sagoma;
    const PuntoPiano a = profilo.bordoAB.front(), b = profilo.bordoAB.back();
    if (std::hypot(b.x - a.x, b.y - a.y) > 0)
        sagoma.direzioni.push_back(std::atan2(b.y - a.y, b.x - a.x) * k_GradiPerRadiante);
    if (profilo.cono) {
        const PuntoPiano ab = MezzoBordo(profilo.bordoAB), cd = MezzoBordo(profilo.bordoCD);
        const PuntoPiano m = std::hypot(ab.x, ab.y) >= std::hypot(cd.x, cd.y) ? ab : cd;
        if (std::hypot(m.x, m.y) > 0)
            sagoma.direzioni.push_back(std::atan2(m.y, m.x) * k_GradiPerRadiante);
    }
    return sagoma;
}

std::optional<SagomaFogli> SagomaDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    if (!SviluppaPerTaglio(figure, sviluppato, profilo))
        return std::nullopt;
    return SagomaDelProfilo(profilo);
}
