// Where the short texts of a page go so that no two touch and none sits on the outline: the boxes
// taken so far and the outline's pieces on the page.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

class PostiTesti {
public:
    // Texts stay inside `pagina`, half a millimetre from its edges.
    explicit PostiTesti(const QRectF &pagina) : m_pagina(pagina) {}

    void Contorno(const QLineF &pezzo) { m_contorno.push_back(pezzo); }
    const std::vector<QLineF> &Contorno() const noexcept { return m_contorno; }
    void Occupa(const QRectF &box) { m_occupati.push_back(box); }

    // k_Distacco clear of the boxes taken and, with `contornoEvitato`, of the outline.
    bool Libero(const QRectF &box, bool contornoEvitato) const;

    // The top-left corner of a box of `misura` centred on `centro`, moved inside the page.
    QPointF Dentro(QPointF centro, QSizeF misura) const;

    // The top-left corner for a box of `misura` at the first of `centri` clear of the boxes and of
    // the outline, else clear of the boxes alone, else at the first; the box is then taken.
    QPointF Colloca(const std::vector<QPointF> &centri, QSizeF misura);

private:
    QRectF m_pagina;
    std::vector<QRectF> m_occupati;
    std::vector<QLineF> m_contorno;
};

// Centres around the point `angolo` for its letter: first `lontano` mm along `direzione` (degrees,
// as QLineF measures them), then turned either way round it, then farther, up to `massimo`.
std::vector<QPointF> CentriAttorno(QPointF angolo, double direzione, double lontano, double massimo);
