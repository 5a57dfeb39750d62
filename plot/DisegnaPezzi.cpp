// Several pieces on one page, as they would lie on the plate, named and with throat and back marked.
#include "plot/DisegnaPezzi.h"

#include "pieces/MisurePezzoGomito.h"
#include "plot/Pagina.h"
#include "plot/ProfiloSullaPagina.h"

#include <cmath>

namespace {
constexpr double k_Margine = 4;         // mm round the page
constexpr double k_Alto = 18;           // mm of the title's lines
constexpr double k_Distanza = 0.08;     // the gap between pieces, of the widest one
constexpr int k_GeneratoriPerMeta = 90; // a smooth outline at page size
constexpr double k_MezzoCarattere = 1.2;

struct PezzoSullaPagina {
    ProfiloSviluppo profilo;
    RiquadroProfilo riquadro;
    std::optional<MisurePezzoGomito> misure;
};

void scriviCentrato(SuperficieDisegno &superficie, const QString &testo, PuntoPiano p)
{
    superficie.ImpostaCurrentX(p.x - k_MezzoCarattere * double(testo.size()));
    superficie.ImpostaCurrentY(p.y - 2);
    superficie.Print(testo);
}
} // namespace

int DisegnaPezzi(const std::vector<Pezzo> &pezzi, const QString &nome, SuperficieDisegno &superficie)
{
    std::vector<PezzoSullaPagina> disposti;
    double larghezzaMassima = 0, altezzaMassima = 0;
    for (const Pezzo &pezzo : pezzi) {
        auto profilo = CampionaPezzo(pezzo, k_GeneratoriPerMeta);
        if (!profilo || profilo->bordoAB.empty() || profilo->bordoCD.empty())
            return 0;
        PezzoSullaPagina d{*profilo, RiquadroDelProfilo(*profilo), std::nullopt};
        if (pezzo.valori.figure.Officina)
            d.misure = MisureDelPezzoGomito(pezzo);
        larghezzaMassima = std::max(larghezzaMassima, d.riquadro.xMax - d.riquadro.xMin);
        altezzaMassima = std::max(altezzaMassima, d.riquadro.yMax - d.riquadro.yMin);
        disposti.push_back(std::move(d));
    }
    if (disposti.empty())
        return 0;
    const double distanza = k_Distanza * larghezzaMassima;
    double totale = -distanza;
    for (const PezzoSullaPagina &d : disposti)
        totale += d.riquadro.xMax - d.riquadro.xMin + distanza;
    const double larghezza = k_LarghezzaPagina - 2 * k_Margine, altezza = k_AltezzaPagina - k_Alto - k_Margine;
    const int scala = std::max(1, int(std::ceil(std::max(totale / larghezza, altezzaMassima / altezza) - 1e-9)));

    // Left to right, each centred on the free area's middle line, y down on the page.
    double x = k_LarghezzaPagina / 2 - totale / scala / 2;
    const double cy = k_Alto + altezza / 2;
    for (std::size_t i = 0; i < disposti.size(); ++i) {
        const PezzoSullaPagina &d = disposti[i];
        const double x0 = x, my = (d.riquadro.yMin + d.riquadro.yMax) / 2;
        const auto pagina = [&](const PuntoPiano &p) {
            return PuntoPiano{x0 + (p.x - d.riquadro.xMin) / scala, cy - (p.y - my) / scala};
        };
        TracciaProfilo(d.profilo, pagina, superficie);
        const PuntoPiano centro = pagina({(d.riquadro.xMin + d.riquadro.xMax) / 2, my});
        // The number above the blank: its middle may be the throat's or the back's place.
        const PuntoPiano sopra = pagina({(d.riquadro.xMin + d.riquadro.xMax) / 2, d.riquadro.yMax});
        scriviCentrato(superficie, QString::number(i + 1), {sopra.x, sopra.y - 4});
        if (d.misure) {
            // Inside the blank, a little towards its middle, off the cut.
            const auto segno = [&](PuntoPiano p) {
                const PuntoPiano q = pagina(p);
                return PuntoPiano{q.x + (centro.x - q.x) * 0.25, q.y + (centro.y - q.y) * 0.25};
            };
            scriviCentrato(superficie, QStringLiteral("gola"), segno(d.misure->puntoGola));
            scriviCentrato(superficie, QStringLiteral("dorso"), segno(d.misure->puntoDorso));
        }
        x += (d.riquadro.xMax - d.riquadro.xMin + distanza) / scala;
    }
    superficie.ImpostaCurrentX(5);
    superficie.ImpostaCurrentY(0);
    superficie.Print(QStringLiteral("Commessa: %1 - %2 pezzi").arg(nome).arg(pezzi.size()));
    superficie.ImpostaCurrentX(5);
    superficie.ImpostaCurrentY(7);
    superficie.Print(QStringLiteral("Scala 1:%1").arg(scala));
    return scala;
}
