// Paints the layout fitted to the widget: printed sheets tinted, skipped ones dashed and crossed.
#include "fogli/AnteprimaFogli.h"

#include "plot/Pagina.h"
#include "plot/RiproduciElenco.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
constexpr int k_Bordo = 8; // px around the grid
} // namespace

AnteprimaFogli::AnteprimaFogli(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("anteprima"));
    setMinimumSize(240, 170);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AnteprimaFogli::Mostra(const ImpaginazioneFogli *impaginazione)
{
    m_impaginazione = impaginazione;
    update();
}

void AnteprimaFogli::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    pittore.fillRect(rect(), palette().base());
    const ImpaginazioneFogli *imp = m_impaginazione;
    if (!imp || imp->errore != ErroreFogli::Nessuno || imp->fogli.empty())
        return;
    pittore.setRenderHint(QPainter::Antialiasing);

    const double passoX = imp->larghezzaFoglio - imp->sovrapposizione;
    const double passoY = imp->altezzaFoglio - imp->sovrapposizione;
    const double larghezza = imp->colonne * passoX + imp->sovrapposizione;
    const double altezza = imp->righe * passoY + imp->sovrapposizione;
    const double scala = std::min((width() - 2 * k_Bordo) / larghezza, (height() - 2 * k_Bordo) / altezza);
    if (!(scala > 0))
        return;
    const QPointF origine((width() - larghezza * scala) / 2, (height() - altezza * scala) / 2);
    const auto mappa = [&](const QPointF &mm) { return origine + mm * scala; };
    const auto rettangolo = [&](const QRectF &mm) { return QRectF(mappa(mm.topLeft()), mappa(mm.bottomRight())); };

    QFont carattere = font();
    carattere.setPixelSize(std::clamp(int(std::min(passoX, passoY) * scala / 4), 7, 14));
    pittore.setFont(carattere);
    for (const Foglio &f : imp->fogli) {
        const QRectF area = rettangolo(f.intervallo);
        if (f.stampato) {
            pittore.fillRect(area, QColor(0, 0, 128, 40));
            pittore.setPen(QPen(QColor(90, 90, 90), 1));
            pittore.drawRect(area);
            pittore.setPen(palette().text().color());
        } else {
            // Skipped: not printed, so drawn as a dashed, crossed outline.
            pittore.setPen(QPen(QColor(170, 170, 170), 1, Qt::DashLine));
            pittore.drawRect(area);
            pittore.drawLine(area.topLeft(), area.bottomRight());
            pittore.drawLine(area.topRight(), area.bottomLeft());
        }
        pittore.drawText(area, Qt::AlignCenter, f.etichetta);
    }

    QPainterPath contorno;
    for (std::size_t i = 0; i < imp->sagoma.size(); ++i)
        i == 0 ? contorno.moveTo(mappa(imp->sagoma[i])) : contorno.lineTo(mappa(imp->sagoma[i]));
    contorno.closeSubpath();
    pittore.setPen(QPen(ColoreQt(k_BluScuro), 1.5));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawPath(contorno);
}
