// The first free place among those offered, clear of the texts and then of the outline.
#include "fogli/PostiTesti.h"

#include "fogli/DisegnoFoglio.h"
#include "fogli/GeometriaFogli.h"

#include <algorithm>

namespace {
constexpr double k_Bordo = 0.5;      // from a text to the page's edge
constexpr double k_PassoAttorno = 1; // mm between the rings tried round a point
constexpr double k_GiroAttorno = 30; // degrees between the places tried on a ring
} // namespace

bool PostiTesti::Libero(const QRectF &box, bool contornoEvitato) const
{
    const QRectF largo = box.adjusted(-k_Distacco, -k_Distacco, k_Distacco, k_Distacco);
    if (std::any_of(m_occupati.begin(), m_occupati.end(), [&](const QRectF &o) { return o.intersects(largo); }))
        return false;
    return !contornoEvitato || std::none_of(m_contorno.begin(), m_contorno.end(), [&](const QLineF &pezzo) {
        // Most pieces are far: their box says so without the clipping.
        return std::max(pezzo.x1(), pezzo.x2()) >= largo.left() && std::min(pezzo.x1(), pezzo.x2()) <= largo.right() &&
               std::max(pezzo.y1(), pezzo.y2()) >= largo.top() && std::min(pezzo.y1(), pezzo.y2()) <= largo.bottom() &&
               TagliaSegmento(pezzo.p1(), pezzo.p2(), largo).has_value();
    });
}

QPointF PostiTesti::Dentro(QPointF centro, QSizeF misura) const
{
    const auto entro = [](double v, double minimo, double massimo) { return std::max(minimo, std::min(v, massimo)); };
    return {
        entro(centro.x() - misura.width() / 2, m_pagina.left() + k_Bordo, m_pagina.right() - misura.width() - k_Bordo),
        entro(centro.y() - misura.height() / 2, m_pagina.top() + k_Bordo,
              m_pagina.bottom() - misura.height() - k_Bordo)};
}

QPointF PostiTesti::Colloca(const std::vector<QPointF> &centri, QSizeF misura)
{
    QPointF scelto = Dentro(centri.front(), misura);
    bool trovato = false;
    for (bool contornoEvitato : {true, false}) {
        for (const QPointF &c : centri)
            if (Libero(QRectF(Dentro(c, misura), misura), contornoEvitato)) {
                scelto = Dentro(c, misura);
                trovato = true;
                break;
            }
        if (trovato)
            break;
    }
    Occupa(QRectF(scelto, misura));
    return scelto;
}

std::vector<QPointF> CentriAttorno(QPointF angolo, double direzione, double lontano, double massimo)
{
    std::vector<QPointF> centri;
    for (double d = lontano; d <= massimo; d += k_PassoAttorno)
        for (double giro = 0; giro <= 180; giro += k_GiroAttorno)
            for (double segno : {1.0, -1.0}) {
                centri.push_back(angolo + QLineF::fromPolar(d, direzione + segno * giro).p2());
                if (giro == 0 || giro == 180)
                    break;
            }
    return centri;
}
