// Printing the test grid on a real printer, and the command that asks for it.
#include "calibration/GrigliaTaratura.h"

#include "platform/Piattaforma.h"
#include "plot/RiproduciElenco.h"

#include <QPrinter>


StampanteQt::StampanteQt(QPrinter &stampante) : m_stampante(stampante) {}

StampanteQt::~StampanteQt()
{
    if (m_pittore.isActive())
        m_pittore.end();
}

bool StampanteQt::Apri()
{
    // The painter's origin is the printable area's top left corner, as the grid expects.
    m_stampante.setFullPage(false);
    m_elementi.clear();
    return m_pittore.begin(&m_stampante);
}

void StampanteQt::Line(double x1, double y1, double x2, double y2, std::uint32_t rgb)
{
    m_elementi.push_back({ElementoDisegno::Tipo::Linea, x1 / k_TwipPerMm, y1 / k_TwipPerMm, x2 / k_TwipPerMm,
                          y2 / k_TwipPerMm, rgb, QString()});
}

// The labels in black: the grid colour is the lines' only.
void StampanteQt::Print(double x, double y, const QString &testo)
{
    m_elementi.push_back({ElementoDisegno::Tipo::Testo, x / k_TwipPerMm, y / k_TwipPerMm, x / k_TwipPerMm,
                          y / k_TwipPerMm, k_Nero, testo});
}

void StampanteQt::EndDoc()
{
    if (!m_pittore.isActive())
        return;
    const double puntiPerMm = m_stampante.resolution() / k_MmPerPollice;
    RiproduciElenco(m_pittore, m_elementi,
                    {[puntiPerMm](const QPointF &mm) { return mm * puntiPerMm; }, puntiPerMm, 0});
    m_pittore.end();
}

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
    StampanteQt griglia(stampante);
    if (griglia.Apri())
        StampaGriglia(griglia);
}
