// The one mapping from page millimetres to a printer's or a PDF's device units.
#include "plot/DisegnaSuCarta.h"

#include <QPainter>

void DisegnaSuCarta(QPainter &pittore, const std::vector<ElementoDisegno> &elementi, const CorrezioneCarta &correzione,
                    double spessoreLineaMm)
{
    const double x = pittore.device()->logicalDpiX() / k_MmPerPollice;
    const double y = pittore.device()->logicalDpiY() / k_MmPerPollice;
    const MappaPunti mappa = [&](const QPointF &mm) {
        const QPointF punto = correzione ? correzione(mm) : mm;
        return QPointF(punto.x() * x, punto.y() * y);
    };
    RiproduciElenco(pittore, elementi, {mappa, y, spessoreLineaMm});
}
