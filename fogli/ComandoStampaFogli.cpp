// The printer and PDF paths of the tiled printout: checks first, then one pass through StampaFogli.
#include "fogli/ComandoStampaFogli.h"

#include "development/EsportaDxf.h"
#include "development/Esportazione.h"
#include "development/StampaSviluppoCarta.h"
#include "development/TaraturaCarta.h"
#include "fogli/MessaggiFogli.h"
#include "fogli/StampaFogli.h"
#include "platform/Pagina.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {
// The margin that centres `massimo` mm on a side of `lato` mm, never below k_MarginePdf and
// never so large that nothing is left.
double margine(double lato, double massimo)
{
    return std::clamp((lato - massimo) / 2, k_MarginePdf, std::max(0.0, lato / 2 - 1));
}

QPageLayout::Orientation orientamentoIniziale(OrientamentoFogli o)
{
    return o == OrientamentoFogli::Orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait;
}
} // namespace

std::optional<SagomaFogli> SagomaDelDocumento(const DocumentoSviluppo &documento)
{
    if (!SviluppoDaStampare(DidascaliaSalvataggio(documento.salvataggio)))
        return std::nullopt;
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    if (!ProfiloDenso(FigureDelleEtichette(documento.etichette), sviluppato, profilo))
        return std::nullopt;
    return SagomaDelProfilo(profilo);
}

QPageLayout PaginaPdfFogli(const QPageSize &carta, QPageLayout::Orientation orientamento)
{
    QSizeF foglio = carta.size(QPageSize::Millimeter);
    if (orientamento == QPageLayout::Landscape)
        foglio.transpose();
    const bool orizzontale = foglio.width() > foglio.height();
    const double x = margine(foglio.width(), orizzontale ? k_LarghezzaDisegno : k_AltezzaDisegno);
    const double y = margine(foglio.height(), orizzontale ? k_AltezzaDisegno : k_LarghezzaDisegno);
    return QPageLayout(carta, orientamento, QMarginsF(x, y, x, y), QPageLayout::Millimeter);
}

ImpaginazioneFogli ImpaginaSuPagina(const SagomaFogli &sagoma, const QPageLayout &pagina, const SceltaFogli &scelta)
{
    const QSizeF area = AreaDisegnoFogli(pagina);
    return ImpaginaFogli(sagoma, {area.width(), area.height(), scelta.orientamento, scelta.sovrapposizione});
}

ImpaginazioneFogli ImpaginaSuCarta(const SagomaFogli &sagoma, const SceltaFogli &scelta)
{
    return ImpaginaSuPagina(sagoma, PaginaPdfFogli(scelta.carta, orientamentoIniziale(scelta.orientamento)), scelta);
}

std::vector<QPageSize> CarteFogli()
{
    std::vector<QPageSize> carte{QPageSize(QPageSize::A4), QPageSize(QPageSize::A3), QPageSize(QPageSize::Letter)};
    for (const QPageSize &offerta : QPrinterInfo::defaultPrinter().supportedPageSizes())
        if (offerta.isValid() &&
            std::none_of(carte.begin(), carte.end(), [&](const QPageSize &c) { return c.isEquivalentTo(offerta); }))
            carte.push_back(offerta);
    return carte;
}

QString TestoNumeroFogli(int fogli)
{
    return fogli == 1 ? QStringLiteral("1 foglio") : QStringLiteral("%1 fogli").arg(fogli);
}

bool ImpaginazioneAccettata(const ImpaginazioneFogli &impaginazione)
{
    if (impaginazione.errore != ErroreFogli::Nessuno) {
        MsgBox(MessaggioFogli(impaginazione.errore));
        return false;
    }
    if (impaginazione.stampati <= k_FogliSenzaDomanda)
        return true;
    return MsgBox(QStringLiteral("Servono %1 fogli. Continuare?").arg(impaginazione.stampati), Pulsanti::SiNo) ==
           RispostaSi;
}

std::optional<QByteArray> PdfDeiFogli(const ImpaginazioneFogli &impaginazione, const QPageSize &carta,
                                      const MappaPunti &correzione)
{
    QByteArray byte;
    QBuffer buffer(&byte);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(TitoloApplicazione());
        if (!pdf.setPageLayout(PaginaPdfFogli(carta, OrientamentoPagina(impaginazione))) ||
            !StampaFogli(pdf, impaginazione, correzione))
            return std::nullopt;
    } // the writer finishes the file when it goes
    return byte;
}

EsitoFogli StampaFogliSuStampante(const SagomaFogli &sagoma, const SceltaFogli &scelta, int indiceTaratura)
{
    // The calibration is checked before the printer is chosen, so a damaged one costs no paper.
    const std::optional<CorrezioneCarta> correzione = CorrezioneTaraturaInUso(indiceTaratura);
    if (!correzione)
        return EsitoFogli::Rifiutato;

    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(false);
    stampante.setPageSize(scelta.carta);
    // The orientation the sheets will need, as far as the program's own page tells.
    const ImpaginazioneFogli prevista = ImpaginaSuCarta(sagoma, scelta);
    stampante.setPageOrientation(prevista.errore == ErroreFogli::Nessuno ? OrientamentoPagina(prevista)
                                                                         : orientamentoIniziale(scelta.orientamento));
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return EsitoFogli::Annullato;

    // The printer's own printable area, with the paper and margins the user left in its dialog.
    const ImpaginazioneFogli impaginazione = ImpaginaSuPagina(sagoma, stampante.pageLayout(), scelta);
    if (!ImpaginazioneAccettata(impaginazione))
        return EsitoFogli::Rifiutato;
    stampante.setPageOrientation(OrientamentoPagina(impaginazione));
    if (!StampaFogli(stampante, impaginazione, *correzione)) {
        MsgBox(QStringLiteral("Errore nella stampa dello sviluppo: la stampante non ha accettato i fogli. Premere "
                              "OK per continuare"));
        return EsitoFogli::Errore;
    }
    return EsitoFogli::Fatto;
}

EsitoFogli EsportaFogliPdf(const SagomaFogli &sagoma, const SceltaFogli &scelta, int indiceTaratura,
                           const QString &nome)
{
    std::optional<CorrezioneCarta> correzione = CorrezioneCarta();
    if (scelta.taraturaNelPdf && !(correzione = CorrezioneTaraturaInUso(indiceTaratura)))
        return EsitoFogli::Rifiutato;
    const ImpaginazioneFogli impaginazione = ImpaginaSuCarta(sagoma, scelta);
    if (!ImpaginazioneAccettata(impaginazione))
        return EsitoFogli::Rifiutato;

    RichiestaFile richiesta;
    richiesta.filtro = QStringLiteral("(*.pdf)|*.pdf");
    richiesta.nomePredefinito = TrimBlank(nome) + QStringLiteral(".pdf");
    richiesta.chiediSovrascrittura = true;
    // The dialog adds the extension itself, so that its overwrite question names the real file.
    richiesta.estensionePredefinita = QStringLiteral("pdf");
    const auto scelto = Piattaforma::corrente().DialogoSalva(richiesta);
    if (!scelto)
        return EsitoFogli::Annullato;
    const QString percorso =
        scelto->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? *scelto : *scelto + QStringLiteral(".pdf");

    const std::optional<QByteArray> pdf = PdfDeiFogli(impaginazione, scelta.carta, *correzione);
    QString motivo = QStringLiteral("il PDF non è stato composto");
    const EsitoEsportazione esito =
        pdf ? ScriviEsportazione(percorso, *pdf, {}, &motivo) : EsitoEsportazione::NonScrivibile;
    if (esito == EsitoEsportazione::Ok)
        return EsitoFogli::Fatto;
    MsgBox(QStringLiteral("Errore nell'esportazione dello sviluppo\n") +
           MessaggioEsportazione(esito, percorso, motivo));
    return EsitoFogli::Errore;
}
