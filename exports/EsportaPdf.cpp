// The PDF export of the tiled sheets, through the same layout and replay as the printer.
#include "exports/EsportaPdf.h"

#include "exports/DispositivoSicuro.h"
#include "fogli/StampaFogli.h"
#include "platform/TestoFisso.h"

#include <QPdfWriter>

#include <functional>

#include <new>

namespace {
// Most printers print to within 5 mm of the edge; a PDF printed at true size must lose nothing.
constexpr double k_MarginePdfMm = 10;
constexpr int k_RisoluzionePdf = 1200;

bool pdf(QIODevice &dispositivo, const ImpaginazioneFogli &prima, const OpzioniPdf &opzioni,
         const std::function<bool(QPagedPaintDevice &)> &stampa)
{
    QPdfWriter scrittore(&dispositivo);
    scrittore.setCreator(QStringLiteral("Vorna"));
    scrittore.setResolution(k_RisoluzionePdf);
    return scrittore.setPageLayout(PaginaPdfFogli(opzioni.carta)) &&
           scrittore.setPageOrientation(OrientamentoPagina(prima)) && stampa(scrittore);
}

EsitoEsportazione salva(const QString &percorso, const QString &origine, QString *motivo,
                        const std::function<bool(QIODevice &)> &dipingi)
{
    const auto scrivi = [&](ScritturaSicura &scrittura) {
        DispositivoSicuro dispositivo(scrittura);
        const bool dipinto = dipingi(dispositivo);
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
    return ImpaginaFogli(sagoma, CartaPdf(opzioni), {opzioni.taratura, opzioni.carta.key(), opzioni.data, {}});
}

ImpaginazioneDeiPezzi ImpaginaPdf(const std::vector<PezzoDaStampare> &pezzi, const OpzioniPdf &opzioni)
{
    return ImpaginaPezzi(pezzi, CartaPdf(opzioni), {opzioni.taratura, opzioni.carta.key(), opzioni.data, {}});
}

bool PdfDeiFogli(QIODevice &dispositivo, const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni)
{
    return pdf(dispositivo, impaginazione, opzioni,
               [&](QPagedPaintDevice &scrittore) { return StampaFogli(scrittore, impaginazione, opzioni.correzione); });
}

bool PdfDeiFogli(QIODevice &dispositivo, const std::vector<ImpaginazioneFogli> &pezzi, const OpzioniPdf &opzioni)
{
    return !pezzi.empty() && pdf(dispositivo, pezzi.front(), opzioni, [&](QPagedPaintDevice &scrittore) {
        return StampaFogli(scrittore, pezzi, opzioni.correzione);
    });
}

EsitoEsportazione SalvaPdfDeiFogli(const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni,
                                   const QString &percorso, const QString &origine, QString *motivo)
{
    return salva(percorso, origine, motivo,
                 [&](QIODevice &dispositivo) { return PdfDeiFogli(dispositivo, impaginazione, opzioni); });
}

EsitoEsportazione SalvaPdfDeiFogli(const std::vector<ImpaginazioneFogli> &pezzi, const OpzioniPdf &opzioni,
                                   const QString &percorso, const QString &origine, QString *motivo)
{
    return salva(percorso, origine, motivo,
                 [&](QIODevice &dispositivo) { return PdfDeiFogli(dispositivo, pezzi, opzioni); });
}

EsitoPdf EsportaPdf(const Pezzo &pezzo, const OpzioniPdf &opzioni, const QString &percorso, const QString &origine,
                    QString *motivo)
{
    try {
        if (auto sagoma = SagomaDelPezzo(pezzo))
            return EsportaPdf(std::vector<PezzoDaStampare>{{std::move(*sagoma), {}}}, opzioni, percorso, origine,
                              motivo);
    } catch (const std::bad_alloc &) {
        if (motivo)
            *motivo = MotivoMemoriaInsufficiente();
        return {EsitoEsportazione::NonScrivibile, ErroreFogli::Nessuno, 0};
    }
    return {EsitoEsportazione::DatiRifiutati, ErroreFogli::Nessuno, 0};
}

std::optional<std::vector<PezzoDaStampare>> PezziDaStampare(const std::vector<Pezzo> &pezzi)
{
    std::vector<PezzoDaStampare> elenco;
    for (std::size_t i = 0; i < pezzi.size(); ++i) {
        auto sagoma = SagomaDelPezzo(pezzi[i]);
        if (!sagoma)
            return std::nullopt;
        elenco.push_back({std::move(*sagoma),
                          TitoloPezzoFogli(int(i) + 1, int(pezzi.size()), TrimBlank(pezzi[i].valori.figure.Nome)),
                          int(i)});
    }
    return elenco;
}

EsitoPdf EsportaPdf(const std::vector<PezzoDaStampare> &pezzi, const OpzioniPdf &opzioni, const QString &percorso,
                    const QString &origine, QString *motivo)
{
    EsitoPdf esito;
    esito.esito = EsitoEsportazione::DatiRifiutati;
    try {
        const ImpaginazioneDeiPezzi impaginazione = ImpaginaPdf(pezzi, opzioni);
        esito.errore = impaginazione.errore;
        if (impaginazione.errore != ErroreFogli::Nessuno)
            return esito;
        esito.fogli = impaginazione.stampati;
        esito.esito = SalvaPdfDeiFogli(impaginazione.pezzi, opzioni, percorso, origine, motivo);
    } catch (const std::bad_alloc &) {
        if (motivo)
            *motivo = MotivoMemoriaInsufficiente();
        esito.esito = EsitoEsportazione::NonScrivibile;
    }
    return esito;
}
