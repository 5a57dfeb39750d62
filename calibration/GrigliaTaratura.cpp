// Printing the test grid on a real printer, and the command that asks for it.
#include "calibration/GrigliaTaratura.h"

#include "platform/Piattaforma.h"

#include <QPrinter>

namespace {
constexpr double k_TwipPerPollice = 1440.0;

QColor colore(std::uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }
}

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
    if (!m_pittore.begin(&m_stampante))
        return false;
    m_puntiPerTwip = m_stampante.resolution() / k_TwipPerPollice;
    return true;
}

double StampanteQt::dispositivo(double twip) const { return twip * m_puntiPerTwip; }

void StampanteQt::Line(double x1, double y1, double x2, double y2, std::uint32_t rgb)
{
    m_pittore.setPen(QPen(colore(rgb)));
    m_pittore.drawLine(QPointF(dispositivo(x1), dispositivo(y1)), QPointF(dispositivo(x2), dispositivo(y2)));
}

void StampanteQt::Print(double x, double y, const QString &testo)
{
    m_pittore.setPen(QPen()); // text in the printer's own colour: the grid colour is the lines' only
    const double alto = m_pittore.fontMetrics().ascent();
    m_pittore.drawText(QPointF(dispositivo(x), dispositivo(y) + alto), testo);
}

void StampanteQt::EndDoc()
{
    if (m_pittore.isActive())
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
