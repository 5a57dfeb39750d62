// A calibration's shift can push a drawing that fits the page past the paper's edge.
#include "printing/FuoriCarta.h"

#include <QRectF>

bool EsceDallaCarta(const std::vector<ElementoDisegno> &elementi, const CorrezioneCarta &correzione, const QSizeF &area)
{
    const QRectF carta(QPointF(0, 0), area);
    const auto fuori = [&](double x, double y) { return !carta.contains(correzione(QPointF(x, y))); };
    for (const ElementoDisegno &e : elementi) {
        if (fuori(e.x1, e.y1))
            return true;
        if (e.tipo == ElementoDisegno::Tipo::Linea && fuori(e.x2, e.y2))
            return true;
    }
    return false;
}
