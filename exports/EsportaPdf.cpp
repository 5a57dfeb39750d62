// The PDF export of the tiled sheets, through the same layout and replay as the printer.
#include "exports/EsportaPdf.h"

#include "exports/DispositivoSicuro.h"
#include "fogli/StampaFogli.h"

#include <QPdfWriter>

#include <new>

namespace {
// Most printers print to within 5 mm of the edge; a PDF printed at true size must lose nothing.
constexpr double k_MarginePdfMm = 10;
constexpr int k_RisoluzionePdf = 1200;
} // namespace

QString MotivoMemoriaInsufficiente() { return QStringLiteral("memoria insufficiente"); }

QPageLayout PaginaPdfFogli(const QPageSize &carta)
{
    return QPageLayout(carta, QPageLayout::Portrait,
                       QMarginsF(k_MarginePdfMm, k_MarginePdfMm, k_MarginePdfMm, k_MarginePdfMm),
                       QPageLayout::Millimeter);
}

CartaFogli CartaPdf(const OpzioniPdf &opzioni)
{
    const QSizeF area = AreaDisegnoFogli(PaginaPdfFogli(opzioni.carta), opzioni.tarata);
    return {area.width(), area.height(), opzioni.orientamento, opzioni.sovrapposizione};
}

ImpaginazioneFogli ImpaginaPdf(const SagomaFogli &sagoma, const OpzioniPdf &opzioni)
{
    return ImpaginaFogli(sagoma, CartaPdf(opzioni), {opzioni.taratura, opzioni.carta.key(), opzioni.data});
}

bool PdfDeiFogli(QIODevice &dispositivo, const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni)
{
    QPdfWriter scrittore(&dispositivo);
    scrittore.setCreator(QStringLiteral("Vorna"));
    scrittore.setResolution(k_RisoluzionePdf);
    return scrittore.setPageLayout(PaginaPdfFogli(opzioni.carta)) &&
           scrittore.setPageOrientation(OrientamentoPagina(impaginazione)) &&
           StampaFogli(scrittore, impaginazione, opzioni.correzione);
}

EsitoEsportazione SalvaPdfDeiFogli(const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni,
                                   const QString &percorso, const QString &origine, QString *motivo)
{
    const auto scrivi = [&](ScritturaSicura &scrittura) {
        DispositivoSicuro dispositivo(scrittura);
        const bool dipinto = PdfDeiFogli(dispositivo, impaginazione, opzioni);
        const EsitoFile esito = dispositivo.Svuota();
        // A failed write stops the painting too: its reason comes first.
        if (!esito || dipinto)
            return esito;
        return EsitoFile::Fallito(QStringLiteral("impossibile comporre il PDF"));
    };
    try {
        return ScriviEsportazione(percorso, scrivi, origine, motivo);
    } catch (const std::bad_alloc &) {
        // The safe write has been abandoned on the way out: the old file is intact.
        if (motivo)
            *motivo = MotivoMemoriaInsufficiente();
        return EsitoEsportazione::NonScrivibile;
    }
}

EsitoPdf EsportaPdf(const Pezzo &pezzo, const OpzioniPdf &opzioni, const QString &percorso, const QString &origine,
                    QString *motivo)
{
    EsitoPdf esito;
    esito.esito = EsitoEsportazione::DatiRifiutati;
    try {
        const auto sagoma = SagomaDelPezzo(pezzo);
        if (!sagoma)
            return esito;
        const ImpaginazioneFogli impaginazione = ImpaginaPdf(*sagoma, opzioni);
        esito.errore = impaginazione.errore;
        if (impaginazione.errore != ErroreFogli::Nessuno)
            return esito;
        esito.fogli = impaginazione.stampati;
        esito.esito = SalvaPdfDeiFogli(impaginazione, opzioni, percorso, origine, motivo);
    } catch (const std::bad_alloc &) {
        if (motivo)
            *motivo = MotivoMemoriaInsufficiente();
        esito.esito = EsitoEsportazione::NonScrivibile;
    }
    return esito;
}
