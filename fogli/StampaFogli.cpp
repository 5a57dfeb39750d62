// Replaying each printed sheet's display list on its own page through the one replay routine.
#include "fogli/StampaFogli.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
constexpr double k_SpessoreLineaMm = 0.2;
} // namespace

QSizeF AreaDisegnoFogli(const QPageLayout &pagina)
{
    const QSizeF area = pagina.paintRect(QPageLayout::Millimeter).size();
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

bool StampaFogli(QPagedPaintDevice &dispositivo, const ImpaginazioneFogli &impaginazione, const MappaPunti &correzione)
{
    QPainter pittore;
    if (!pittore.begin(&dispositivo))
        return false;
    const double x = dispositivo.logicalDpiX() / k_MmPerPollice;
    const double y = dispositivo.logicalDpiY() / k_MmPerPollice;
    const MappaPunti mappa = [&](const QPointF &mm) {
        const QPointF punto = correzione ? correzione(mm) : mm;
        return QPointF(punto.x() * x, punto.y() * y);
    };
    std::vector<const ElencoVisualizzazione *> pagine;
    if (!impaginazione.copertina.elementi().empty())
        pagine.push_back(&impaginazione.copertina);
    for (const Foglio &foglio : impaginazione.fogli)
        if (foglio.stampato)
            pagine.push_back(&foglio.disegno);
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        if (i > 0 && !dispositivo.newPage()) {
            pittore.end();
            return false;
        }
        RiproduciElenco(pittore, pagine[i]->elementi(), {mappa, y, k_SpessoreLineaMm});
    }
    return pittore.end();
}
