// Replaying the recorded lines and texts in page millimetres, scaled uniformly to the widget.
#include "development/PaginaGrafico.h"

#include <QPainter>

#include <algorithm>

namespace {
QColor colore(std::uint32_t rgb) { return QColor::fromRgb(QRgb(rgb)); }

// Arial 8.25 pt expressed in page millimetres, so the text scales with the page.
QFont carattereDellaPagina(const QPaintDevice &dispositivo)
{
    QFont carattere(QStringLiteral("Arial"));
    const double altezzaMm = 8.25 * 25.4 / 72.0;
    carattere.setPointSizeF(altezzaMm * 72.0 / dispositivo.logicalDpiY());
    carattere.setHintingPreference(QFont::PreferNoHinting);
    return carattere;
}
} // namespace

PaginaGrafico::PaginaGrafico(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picGrafico"));
    setMinimumSize(144, 104);
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
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    pittore.translate(area.topLeft());
    pittore.scale(area.width() / k_Larghezza, area.height() / k_Altezza);
    pittore.setClipRect(QRectF(0, 0, k_Larghezza, k_Altezza));
    pittore.setFont(carattereDellaPagina(*this));
    for (const ElementoDisegno &elemento : m_elenco.elementi()) {
        QPen penna(colore(elemento.colore));
        penna.setCosmetic(true);
        pittore.setPen(penna);
        if (elemento.tipo == ElementoDisegno::Tipo::Linea)
            pittore.drawLine(QPointF(elemento.x1, elemento.y1), QPointF(elemento.x2, elemento.y2));
        else
            pittore.drawText(QRectF(elemento.x1, elemento.y1, k_Larghezza, k_Altezza),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, elemento.testo);
    }
}
