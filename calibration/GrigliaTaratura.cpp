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

void StampaPaginaTaratura()
{
    if (MsgBox(QStringLiteral("E' necessario stampare una griglia di prova da 200x280mm?"), Pulsanti::OKAnnulla)
        != RispostaOK)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return;
    StampanteQt griglia(stampante);
    if (griglia.Apri())
        StampaGriglia(griglia);
}
