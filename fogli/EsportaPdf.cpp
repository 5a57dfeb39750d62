// The PDF of the tiled sheets, through the same layout and replay as the printer.
#include "fogli/EsportaPdf.h"

#include "fogli/StampaFogli.h"
#include "platform/Piattaforma.h"

#include <QBuffer>
#include <QPdfWriter>

namespace {
// Most printers print to within 5 mm of the edge; a PDF printed at true size must lose nothing.
constexpr double k_MarginePdfMm = 10;
constexpr int k_RisoluzionePdf = 1200;
} // namespace

QPageLayout PaginaPdfFogli(const QPageSize &carta)
{
    return QPageLayout(carta, QPageLayout::Portrait,
                       QMarginsF(k_MarginePdfMm, k_MarginePdfMm, k_MarginePdfMm, k_MarginePdfMm),
                       QPageLayout::Millimeter);
}

CartaFogli CartaPdf(const OpzioniPdf &opzioni)
{
    const QSizeF area = AreaDisegnoFogli(PaginaPdfFogli(opzioni.carta));
    return {area.width(), area.height(), opzioni.orientamento, opzioni.sovrapposizione};
}

ImpaginazioneFogli ImpaginaPdf(const SagomaFogli &sagoma, const OpzioniPdf &opzioni)
{
    return ImpaginaFogli(sagoma, CartaPdf(opzioni));
}

std::optional<QByteArray> PdfDeiFogli(const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    {
        QPdfWriter scrittore(&buffer);
        scrittore.setCreator(TitoloApplicazione());
        scrittore.setResolution(k_RisoluzionePdf);
        if (!scrittore.setPageLayout(PaginaPdfFogli(opzioni.carta)) ||
            !scrittore.setPageOrientation(OrientamentoPagina(impaginazione)) ||
            !StampaFogli(scrittore, impaginazione, opzioni.correzione))
            return std::nullopt;
    } // the writer finishes the file when it goes
    return pdf;
}
