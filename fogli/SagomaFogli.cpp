// The outline, the notable directions, the corners and the generators of a development.
#include "fogli/SagomaFogli.h"

#include "pieces/ContornoSviluppo.h"
#include "pieces/DatiOfficina.h"
#include "pieces/PezzoDelTronco.h"

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
    if (profilo.bordoAB.size() < 2 || profilo.bordoCD.empty())
        return sagoma;
    const PuntoPiano a = profilo.bordoAB.front(), b = profilo.bordoAB.back();
    sagoma.angoli = {{a, QStringLiteral("A")},
                     {b, QStringLiteral("B")},
                     {profilo.bordoCD.front(), QStringLiteral("C")},
                     {profilo.bordoCD.back(), QStringLiteral("D")}};
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

SagomaFogli SagomaDelPezzo(const Pezzo &pezzo, const ProfiloSviluppo &campionato)
{
    SagomaFogli sagoma = SagomaDelProfilo(campionato);
    for (const Generatrice &g : pezzo.generatrici)
        sagoma.generatori.push_back({g.ab, g.cd});
    sagoma.legenda = RigheLegenda(pezzo.valori);
    sagoma.dati = BloccoDatiOfficina(DatiOfficinaDelPezzo(pezzo));
    return sagoma;
}

std::optional<SagomaFogli> SagomaDelPezzo(const Pezzo &pezzo)
{
    const auto campionato = CampionaPerTaglio(pezzo);
    if (!campionato)
        return std::nullopt;
    return SagomaDelPezzo(pezzo, campionato->profilo);
}

std::optional<SagomaFogli> SagomaDelleFigure(const FigureSviluppo &figure)
{
    const auto pezzo = PezzoDelTronco(figure);
    return pezzo ? SagomaDelPezzo(*pezzo) : std::nullopt;
}
