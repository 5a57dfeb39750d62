// Replaying a display list on a painter: the one routine behind the screen and every printout.
#include "plot/RiproduciElenco.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {
// Arial 8.25 pt expressed in the painter's units, so the text keeps its size on the page.
QFont CarattereDellaPagina(const QPaintDevice &dispositivo, double unitaPerMm)
{
    QFont carattere(QString::fromLatin1(k_NomeCarattere));
    carattere.setPointSizeF(k_AltezzaCarattereMm * unitaPerMm * 72.0 / dispositivo.logicalDpiY());
    carattere.setHintingPreference(QFont::PreferNoHinting);
    return carattere;
}
} // namespace

QColor ColoreQt(std::uint32_t rgb) { return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)); }

void RiproduciElenco(QPainter &pittore, const std::vector<ElementoDisegno> &elementi, const Riproduzione &modo)
{
    const QFont carattere = CarattereDellaPagina(*pittore.device(), modo.unitaPerMm);
    pittore.setFont(carattere);
    // Qt draws text from its baseline; the recorded anchor is the top-left corner.
    const double ascesa = QFontMetricsF(carattere, pittore.device()).ascent();
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    for (const ElementoDisegno &e : elementi) {
        const QPointF inizio = modo.mappa(QPointF(e.x1, e.y1));
        QPen penna(ColoreQt(e.colore), modo.spessoreLineaMm * modo.unitaPerMm, Qt::SolidLine, Qt::RoundCap);
        penna.setCosmetic(modo.spessoreLineaMm <= 0);
        pittore.setPen(penna);
        if (e.tipo == ElementoDisegno::Tipo::Linea)
            pittore.drawLine(inizio, modo.mappa(QPointF(e.x2, e.y2)));
        else
            pittore.drawText(inizio + QPointF(0, ascesa), e.testo);
    }
}
