// A piece drawn from its sampled edges, as the tiled sheets take it, at a whole scale.
#include "plot/DisegnaPezzo.h"

#include "pieces/DatiOfficina.h"
#include "plot/Pagina.h"
#include "plot/ProfiloSullaPagina.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Margine = 4;         // mm round the page
constexpr double k_PassoRiga = 7;       // mm between legend lines, as the projection's plot
constexpr int k_GeneratoriPerMeta = 90; // a smooth outline at page size
constexpr double k_RigaDati = 4;        // mm between the workshop data's lines
constexpr double k_ColonnaDati = 135;   // mm the workshop data take on the left, under the legend
} // namespace

int DisegnaPezzo(const Pezzo &pezzo, SuperficieDisegno &superficie)
{
    const auto profilo = CampionaPezzo(pezzo, k_GeneratoriPerMeta);
    if (!profilo || profilo->bordoAB.empty() || profilo->bordoCD.empty())
        return 0;
    const RiquadroProfilo r = RiquadroDelProfilo(*profilo);
    // The legend's lines, the scale's among them, take the top of the page.
    const int righeLegenda = int(RigheLegenda(pezzo.valori, FormatoPagina(1)).size());
    const double alto = k_Margine + righeLegenda * k_PassoRiga;
    // The workshop data stand in a column of their own, so the drawing never covers them.
    const DatiOfficina dati = DatiOfficinaDelPezzo(pezzo);
    const double colonna = dati.righe.empty() ? 0 : k_ColonnaDati;
    const double larghezza = k_LarghezzaPagina - 2 * k_Margine - colonna, altezza = k_AltezzaPagina - alto - k_Margine;
    const int scala =
        std::max(1, int(std::ceil(std::max((r.xMax - r.xMin) / larghezza, (r.yMax - r.yMin) / altezza) - 1e-9)));
    // Centred in the free area, y down on the page.
    const double cx = k_Margine + colonna + larghezza / 2, cy = alto + altezza / 2;
    const double mx = (r.xMin + r.xMax) / 2, my = (r.yMin + r.yMax) / 2;
    const auto pagina = [&](const PuntoPiano &p) {
        return PuntoPiano{cx + (p.x - mx) / scala, cy - (p.y - my) / scala};
    };
    TracciaProfilo(*profilo, pagina, superficie);

    const PuntoPiano angoli[] = {profilo->bordoAB.front(), profilo->bordoAB.back(), profilo->bordoCD.front(),
                                 profilo->bordoCD.back()};
    for (int k = 0; k < 4; ++k) {
        const PuntoPiano p = pagina(angoli[k]);
        superficie.ImpostaCurrentX(p.x - 1.0);
        superficie.ImpostaCurrentY(p.y + 1.0);
        superficie.Print(QString(QLatin1Char("ABCD"[k])));
    }
    double y = 0;
    for (const QString &riga : RigheLegenda(pezzo.valori, FormatoPagina(scala))) {
        superficie.ImpostaCurrentX(5);
        superficie.ImpostaCurrentY(y);
        superficie.Print(riga);
        y += k_PassoRiga;
    }
    for (const QString &riga : BloccoDatiOfficina(dati, FormatoPagina(scala))) {
        superficie.ImpostaCurrentX(5);
        superficie.ImpostaCurrentY(y);
        superficie.Print(riga);
        y += k_RigaDati;
    }
    return scala;
}
