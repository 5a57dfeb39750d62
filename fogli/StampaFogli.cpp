// Replaying each printed sheet's display list on its own page through the one replay routine.
#include "fogli/StampaFogli.h"

#include "fogli/DisegnoFoglio.h"
#include "plot/DisegnaSuCarta.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <new>

QSizeF AreaDisegnoFogli(const QPageLayout &pagina, bool tarata)
{
    const QSizeF area = pagina.paintRect(QPageLayout::Millimeter).size();
    if (!tarata)
        return area;
    const bool orizzontale = area.width() >= area.height();
    const double lungo = std::min(std::max(area.width(), area.height()), k_LarghezzaDisegno);
    const double corto = std::min(std::min(area.width(), area.height()), k_AltezzaDisegno);
    return orizzontale ? QSizeF(lungo, corto) : QSizeF(corto, lungo);
}

QPageLayout::Orientation OrientamentoPagina(const ImpaginazioneFogli &impaginazione)
{
    return impaginazione.orientamento == OrientamentoFogli::Orizzontale ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait;
}

namespace {
bool stampa(QPagedPaintDevice &dispositivo, const std::vector<const ImpaginazioneFogli *> &pezzi,
            const MappaPunti &correzione)
{
    auto pittore = std::make_unique<QPainter>();
    if (pezzi.empty() || !pittore->begin(&dispositivo))
        return false;
    bool prima = true;
    const auto pagina = [&](const ElencoVisualizzazione &elenco) {
        if (!prima && !dispositivo.newPage())
            return false;
        prima = false;
        DisegnaSuCarta(*pittore, elenco.elementi(), correzione);
        return true;
    };
    try {
        bool riuscita = true;
        for (const ImpaginazioneFogli *impaginazione : pezzi) {
            // Taken by the next page: the first piece's orientation is the device's already.
            if (impaginazione != pezzi.front())
                riuscita = riuscita && dispositivo.setPageOrientation(OrientamentoPagina(*impaginazione));
            riuscita =
                riuscita && std::all_of(impaginazione->copertina.begin(), impaginazione->copertina.end(), pagina);
            for (auto foglio = impaginazione->fogli.begin(); riuscita && foglio != impaginazione->fogli.end(); ++foglio)
                if (foglio->stampato)
                    riuscita = pagina(DisegnaFoglio(*impaginazione, *foglio));
        }
        return pittore->end() && riuscita;
    } catch (const std::bad_alloc &) {
        // Left unfinished: ending it, as its destructor would, writes the document's tail and
        // needs memory again where nothing may be thrown. The device is abandoned with it.
        static_cast<void>(pittore.release());
        throw;
    }
}
} // namespace

bool StampaFogli(QPagedPaintDevice &dispositivo, const ImpaginazioneFogli &impaginazione, const MappaPunti &correzione)
{
    return stampa(dispositivo, {&impaginazione}, correzione);
}

bool StampaFogli(QPagedPaintDevice &dispositivo, const std::vector<ImpaginazioneFogli> &pezzi,
                 const MappaPunti &correzione)
{
    std::vector<const ImpaginazioneFogli *> elenco;
    for (const ImpaginazioneFogli &impaginazione : pezzi)
        elenco.push_back(&impaginazione);
    return stampa(dispositivo, elenco, correzione);
}
