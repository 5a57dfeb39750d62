#include "plates/ui/DisegnoLamiere.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

DisegnoLamiere::DisegnoLamiere(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(480, 220);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void DisegnoLamiere::Mostra(const OpzioneDivisione *opzione)
{
    m_opzione = opzione;
    update();
}

void DisegnoLamiere::paintEvent(QPaintEvent *)
{
    if (!m_opzione || m_opzione->lamiere.empty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const auto &lamiere = m_opzione->lamiere;
    const int spazio = 12, testo = fontMetrics().height() + 4;
    double larghezze = 0, altezza = 0;
    for (const LamieraPosata &l : lamiere) {
        larghezze += l.lamiera.larghezza;
        altezza = std::max(altezza, l.lamiera.altezza);
    }
    const double libera = width() - spazio * (int(lamiere.size()) + 1), alta = height() - 2 * spazio - testo;
    const double scala = std::min(libera / larghezze, alta / altezza);
    if (!(scala > 0))
        return;
    double x = spazio;
    for (size_t n = 0; n < lamiere.size(); ++n) {
        const LamieraPosata &l = lamiere[n];
        const double w = l.lamiera.larghezza * scala, h = l.lamiera.altezza * scala;
        const double base = spazio + h; // y grows down on screen, up on the plate
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(x, spazio, w, h));
        double area = 0;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(170, 200, 230));
        for (const PezzoPosato &posato : l.pezzi) {
            const PezzoLamiera &pezzo = m_opzione->diviso.pezzi[size_t(posato.pezzo)];
            const Poligono contorno = ContornoPosato(pezzo, posato);
            area += std::abs(AreaConSegno(contorno));
            QPolygonF poligono;
            for (const PuntoPiano &q : contorno)
                poligono << QPointF(x + q.x * scala, base - q.y * scala);
            p.drawPolygon(poligono);
            p.drawText(poligono.boundingRect(), Qt::AlignCenter, pezzo.nome);
        }
        const double uso = 100 * area / (l.lamiera.larghezza * l.lamiera.altezza);
        p.drawText(QRectF(x, base + 2, std::max(w, 120.0), testo), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Lamiera %1 (%2): uso %3%")
                       .arg(n + 1)
                       .arg(TestoMisura(l.lamiera), QLocale::c().toString(uso, 'f', 1)));
        x += w + spazio;
    }
}
