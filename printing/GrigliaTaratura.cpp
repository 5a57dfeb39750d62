// The command that prints the test grid on a real printer.
#include "printing/GrigliaTaratura.h"

#include "calibration/GrigliaProva.h"
#include "platform/Piattaforma.h"
#include "plot/DisegnaSuCarta.h"

#include <QPainter>
#include <QPrinter>

namespace {
// The printable area must hold the whole grid, or the zones cannot all be measured: the user
// is told, and decides.
bool GrigliaNelFoglio(const QPrinter &stampante)
{
    const QSizeF area = stampante.pageLayout().paintRect(QPageLayout::Millimeter).size();
    constexpr double k_Margine = 0.01; // mm lost to the page layout's rounding
    if (area.width() + k_Margine >= k_LarghezzaDisegno && area.height() + k_Margine >= k_AltezzaDisegno)
        return true;
    const QString domanda = QStringLiteral("L'area stampabile del foglio scelto (%1 x %2 mm) non contiene "
                                           "l'intera griglia di 280x200 mm: la parte esterna non sarà "
                                           "stampata. Stampare comunque?")
                                .arg(area.width(), 0, 'f', 0)
                                .arg(area.height(), 0, 'f', 0);
    return MsgBox(domanda, Pulsanti::SiNo) == RispostaSi;
}
} // namespace

void StampaPaginaTaratura()
{
    if (MsgBox(QStringLiteral("E' necessario stampare una griglia di prova da 200x280mm?"), Pulsanti::OKAnnulla) !=
        RispostaOK)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    // The grid is 280 mm across: on portrait A4 its third zone would be cut away.
    stampante.setPageOrientation(QPageLayout::Landscape);
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return;
    if (!GrigliaNelFoglio(stampante))
        return;
    // The painter's origin is the printable area's top left corner, as the grid expects.
    stampante.setFullPage(false);
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return;
    // Measured, not cut along: the thinnest line the printer draws, and no calibration.
    DisegnaSuCarta(pittore, GrigliaProva().elementi(), {}, 0);
    pittore.end();
}
