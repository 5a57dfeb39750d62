// The printer and PDF paths of the tiled printout: checks first, then one pass through StampaFogli.
#include "fogli/ComandoStampaFogli.h"

#include "calibration/TaraturaInUso.h"
#include "exports/Esportazione.h"
#include "exports/ComandoEsporta.h"
#include "exports/PezzoDellaCommessa.h"
#include "exports/DimeDellaCommessa.h"
#include "exports/EsportaCommessa.h"
#include "printing/StampaSviluppoCarta.h"
#include "calibration/TaraturaCarta.h"
#include "fogli/DisegnoFoglio.h"
#include "fogli/MessaggiFogli.h"
#include "fogli/StampaFogli.h"
#include "plot/Pagina.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

std::optional<std::vector<PezzoDaStampare>> SagomeDellaCommessa(const Commessa &commessa, bool dime)
{
    if (!SviluppoDaStampare(DidascaliaSalvataggio(commessa.salvataggio)))
        return std::nullopt;
    if (dime)
        return DimeDaStampare(commessa);
    // A job of one piece keeps the window's own way of reading it.
    if (commessa.pezzi.size() <= 1) {
        const auto pezzo = PezzoDellaCommessa(commessa);
        const auto sagoma = pezzo ? SagomaDelPezzo(*pezzo) : std::nullopt;
        if (!sagoma)
            return std::nullopt;
        return std::vector<PezzoDaStampare>{{*sagoma, {}}};
    }
    const auto pezzi = PezziDellaCommessa(commessa);
    return pezzi ? PezziDaStampare(*pezzi) : std::nullopt;
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

QString NomeTaraturaFogli(const TaraturaInUso &taratura)
{
    return taratura.Indice() >= 0 ? taratura.Nome() : taratura.Nomi().value(0);
}

QString RifiutoOrientamento(const SceltaFogli &scelta, bool tarata)
{
    if (!tarata || scelta.orientamento != OrientamentoFogli::Verticale)
        return {};
    return QStringLiteral("Con una taratura i fogli sono orizzontali, come la griglia di taratura: scegliere "
                          "l'orientamento automatico o orizzontale!");
}

OpzioniPdf OpzioniDellaScelta(const SceltaFogli &scelta, bool tarata, const QString &taratura)
{
    OpzioniPdf opzioni;
    opzioni.carta = scelta.carta;
    opzioni.orientamento = tarata ? OrientamentoFogli::Orizzontale : scelta.orientamento;
    opzioni.sovrapposizione = scelta.sovrapposizione;
    opzioni.tarata = tarata;
    if (tarata)
        opzioni.taratura = taratura;
    return opzioni;
}

QString TestoAreaFogli(const CartaFogli &carta, bool tarata)
{
    const QString area =
        QStringLiteral("%1 x %2 mm")
            .arg(TestoMm(std::max(carta.larghezza, carta.altezza)), TestoMm(std::min(carta.larghezza, carta.altezza)));
    const QString taratura = QStringLiteral("%1 x %2 mm").arg(TestoMm(k_LarghezzaDisegno), TestoMm(k_AltezzaDisegno));
    if (tarata)
        return area + QStringLiteral(", l'area coperta dalla taratura");
    return area + QStringLiteral(", tutta l'area stampabile della carta; in stampa, con la taratura, al più ") +
           taratura;
}

QString TestoNumeroFogli(int fogli)
{
    return fogli == 1 ? QStringLiteral("1 foglio") : QStringLiteral("%1 fogli").arg(fogli);
}

namespace {
bool accettata(ErroreFogli errore, int stampati, const CartaFogli &carta)
{
    if (errore != ErroreFogli::Nessuno) {
        MsgBox(MessaggioErroreFogli(errore, carta));
        return false;
    }
    return stampati <= k_FogliDaChiedere || MsgBox(DomandaFogli(stampati), Pulsanti::SiNo) == RispostaSi;
}
} // namespace

bool ImpaginazioneAccettata(const ImpaginazioneFogli &impaginazione, const CartaFogli &carta)
{
    return accettata(impaginazione.errore, impaginazione.stampati, carta);
}

bool ImpaginazioneAccettata(const ImpaginazioneDeiPezzi &impaginazione, const CartaFogli &carta)
{
    return accettata(impaginazione.errore, impaginazione.stampati, carta);
}

EsitoFogli StampaFogliSuStampante(const SagomaFogli &sagoma, const SceltaFogli &scelta, const TaraturaInUso &taratura)
{
    return StampaFogliSuStampante(std::vector<PezzoDaStampare>{{sagoma, {}}}, scelta, taratura);
}

EsitoFogli StampaFogliSuStampante(const std::vector<PezzoDaStampare> &pezzi, const SceltaFogli &scelta,
                                  const TaraturaInUso &taratura)
{
    if (const QString rifiuto = RifiutoOrientamento(scelta, true); !rifiuto.isEmpty()) {
        MsgBox(rifiuto);
        return EsitoFogli::Rifiutato;
    }
    // The calibration is checked before the printer is chosen, so a damaged one costs no paper.
    const std::optional<CorrezioneCarta> correzione = CorrezioneTaraturaInUso(taratura.Indice());
    if (!correzione)
        return EsitoFogli::Rifiutato;

    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(false);
    stampante.setPageSize(scelta.carta);
    stampante.setPageOrientation(QPageLayout::Landscape);
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return EsitoFogli::Annullato;

    // The printer's own printable area, on the paper the user left in its dialog.
    const QSizeF area = AreaDisegnoFogli(stampante.pageLayout(), true);
    const CartaFogli carta{area.width(), area.height(), OrientamentoFogli::Orizzontale, scelta.sovrapposizione};
    const ImpaginazioneDeiPezzi impaginazione =
        ImpaginaPezzi(pezzi, carta, {NomeTaraturaFogli(taratura), stampante.pageLayout().pageSize().key(), {}, {}});
    if (!ImpaginazioneAccettata(impaginazione, carta))
        return EsitoFogli::Rifiutato;
    stampante.setPageOrientation(OrientamentoPagina(impaginazione.pezzi.front()));
    if (!StampaFogli(stampante, impaginazione.pezzi, *correzione)) {
        MsgBox(QStringLiteral("Errore nella stampa dello sviluppo: la stampante non ha accettato i fogli!"));
        return EsitoFogli::Errore;
    }
    return EsitoFogli::Fatto;
}

EsitoFogli EsportaFogliPdf(const SagomaFogli &sagoma, const SceltaFogli &scelta, const TaraturaInUso &taratura,
                           const QString &nome)
{
    return EsportaFogliPdf(std::vector<PezzoDaStampare>{{sagoma, {}}}, scelta, taratura, nome);
}

EsitoFogli EsportaFogliPdf(const std::vector<PezzoDaStampare> &pezzi, const SceltaFogli &scelta,
                           const TaraturaInUso &taratura, const QString &nome)
{
    const bool tarata = scelta.taraturaNelPdf;
    if (const QString rifiuto = RifiutoOrientamento(scelta, tarata); !rifiuto.isEmpty()) {
        MsgBox(rifiuto);
        return EsitoFogli::Rifiutato;
    }
    OpzioniPdf opzioni = OpzioniDellaScelta(scelta, tarata, NomeTaraturaFogli(taratura));
    if (tarata) {
        const std::optional<CorrezioneCarta> correzione = CorrezioneTaraturaInUso(taratura.Indice());
        if (!correzione)
            return EsitoFogli::Rifiutato;
        opzioni.correzione = *correzione;
    }
    const ImpaginazioneDeiPezzi impaginazione = ImpaginaPdf(pezzi, opzioni);
    if (!ImpaginazioneAccettata(impaginazione, CartaPdf(opzioni)))
        return EsitoFogli::Rifiutato;

    // Laid out and asked about before the file is chosen; written as laid out.
    const auto esito =
        ComandoEsporta(FormatoPerEstensione(QStringLiteral(".pdf")), TrimBlank(nome), [&](const QString &percorso) {
            EsitoScrittura scritto;
            scritto.esito = SalvaPdfDeiFogli(impaginazione.pezzi, opzioni, percorso, {}, &scritto.motivo);
            return scritto;
        });
    if (!esito)
        return EsitoFogli::Annullato;
    return esito->esito == EsitoEsportazione::Ok ? EsitoFogli::Fatto : EsitoFogli::Errore;
}
