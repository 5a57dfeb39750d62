// Replaying the recorded lines and texts in page millimetres, scaled uniformly to the widget.
#include "development/PaginaGrafico.h"

#include "plot/RiproduciElenco.h"

#include <QPainter>

#include <algorithm>
#include <cmath>


PaginaGrafico::PaginaGrafico(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picGrafico"));
    setMinimumSize(DimensioneLeggibile());
}

QSize PaginaGrafico::DimensioneLeggibile() noexcept
{
    // Letters of the legend 8 pixels high, about the smallest a desktop font is drawn at.
    constexpr double k_PixelLettera = 8;
    const double scala = k_PixelLettera / k_AltezzaCarattereMm;
    return QSize(int(std::ceil(k_Larghezza * scala)), int(std::ceil(k_Altezza * scala)));
}

ElencoVisualizzazione &PaginaGrafico::Elenco()
{
    update();
    return m_elenco;
}

QRectF PaginaGrafico::AreaPagina(const QSizeF &widget) noexcept
{
    const double scala = std::max(0.0, std::min(widget.width() / k_Larghezza, widget.height() / k_Altezza));
    const QSizeF pagina(k_Larghezza * scala, k_Altezza * scala);
    return QRectF(QPointF((widget.width() - pagina.width()) / 2, (widget.height() - pagina.height()) / 2), pagina);
}

void PaginaGrafico::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    pittore.fillRect(rect(), palette().window());
    const QRectF area = AreaPagina(size());
    if (area.isEmpty())
        return;
    pittore.fillRect(area, Qt::white);
    // A window with nothing drawn yet tells how to start; on screen only, never in the list
    // that prints and exports.
    if (m_elenco.elementi().empty()) {
        pittore.setPen(Qt::gray);
        QFont carattere = pittore.font();
        carattere.setPointSizeF(carattere.pointSizeF() * 1.5);
        pittore.setFont(carattere);
        pittore.drawText(area, Qt::AlignCenter, QStringLiteral("Nuovo sviluppo: Ctrl+N"));
        return;
    }
    pittore.translate(area.topLeft());
    pittore.scale(area.width() / k_Larghezza, area.height() / k_Altezza);
    pittore.setClipRect(QRectF(0, 0, k_Larghezza, k_Altezza));
    // The painter already works in page millimetres: the points go as they are.
    RiproduciElenco(pittore, m_elenco.elementi(), {[](const QPointF &p) { return p; }, 1, 0});
}
