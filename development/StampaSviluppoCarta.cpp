// Replays the display list on paper in millimetres and runs the development window's print command.
#include "development/StampaSviluppoCarta.h"

#include "development/TaraturaCarta.h"
#include "platform/Piattaforma.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

namespace {

constexpr double k_MmPerPollice = 25.4;
constexpr double k_SpessoreLineaMm = 0.2;

QColor Colore(std::uint32_t rgb)
{
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

// Device units per millimetre along each axis of the paint device.
struct Scala {
    double x, y;
    QPointF daMm(const QPointF &mm) const { return {mm.x() * x, mm.y() * y}; }
};

Scala ScalaDi(const QPaintDevice &dispositivo)
{
    return {dispositivo.logicalDpiX() / k_MmPerPollice, dispositivo.logicalDpiY() / k_MmPerPollice};
}

} // namespace

void DisegnaSuCarta(QPainter &pittore, const std::vector<ElementoDisegno> &elementi,
                    const CorrezioneCarta &correzione)
{
    const Scala scala = ScalaDi(*pittore.device());
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(8.25);
    pittore.setFont(carattere);
    // The text's top-left corner stands at the recorded point; Qt draws from the baseline.
    const double ascesa = QFontMetricsF(carattere, pittore.device()).ascent();
    pittore.setRenderHint(QPainter::Antialiasing);

    for (const ElementoDisegno &e : elementi) {
        const QPointF inizio = scala.daMm(correzione(QPointF(e.x1, e.y1)));
        if (e.tipo == ElementoDisegno::Tipo::Linea) {
            pittore.setPen(QPen(Colore(e.colore), k_SpessoreLineaMm * scala.x, Qt::SolidLine, Qt::RoundCap));
            pittore.drawLine(inizio, scala.daMm(correzione(QPointF(e.x2, e.y2))));
        } else {
            pittore.setPen(Colore(e.colore));
            pittore.drawText(inizio + QPointF(0, ascesa), e.testo);
        }
    }
}

EsitoStampa StampaSviluppoSuCarta(const std::vector<ElementoDisegno> &elementi, const QString &salvato,
                                  int indiceTaratura)
{
    if (salvato.isEmpty()) {
        MsgBox(QStringLiteral("Nessun sviluppo da stampare! Premere OK per continuare"));
        return EsitoStampa::NienteDaStampare;
    }
    // The calibration is checked before the printer is chosen, so a damaged one costs no paper.
    const std::optional<CorrezioneCarta> correzione = CorrezioneTaraturaInUso(indiceTaratura);
    if (!correzione)
        return EsitoStampa::TaraturaScartata;

    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(false);
    QPageLayout impaginazione = stampante.pageLayout();
    impaginazione.setOrientation(QPageLayout::Landscape);
    impaginazione.setUnits(QPageLayout::Millimeter);
    stampante.setPageLayout(impaginazione);
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return EsitoStampa::Annullato;

    QPainter pittore;
    if (!pittore.begin(&stampante))
        return EsitoStampa::ErroreStampante;
    DisegnaSuCarta(pittore, elementi, *correzione);
    return pittore.end() ? EsitoStampa::Stampato : EsitoStampa::ErroreStampante;
}
