// The development window's print command: checks, printer, one landscape page.
#include "printing/StampaSviluppoCarta.h"

#include "printing/FuoriCarta.h"
#include "calibration/TaraturaCarta.h"
#include "platform/Piattaforma.h"

#include <QPainter>
#include <QPageLayout>
#include <QPrinter>

bool SviluppoDaStampare(const QString &salvato)
{
    if (!salvato.isEmpty())
        return true;
    MsgBox(QStringLiteral("Nessun sviluppo da stampare! Premere OK per continuare"));
    return false;
}

EsitoStampa StampaSviluppoSuCarta(const std::vector<ElementoDisegno> &elementi, const QString &salvato,
                                  int indiceTaratura)
{
    if (!SviluppoDaStampare(salvato))
        return EsitoStampa::NienteDaStampare;
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
    if (EsceDallaCarta(elementi, *correzione, stampante.pageLayout().paintRect(QPageLayout::Millimeter).size()) &&
        MsgBox(QStringLiteral("Con la taratura in uso parte dello sviluppo esce dall'area stampabile del foglio e "
                              "non verrebbe stampata. Stampare comunque?"),
               Pulsanti::OKAnnulla, QStringLiteral("Attenzione!")) != RispostaOK)
        return EsitoStampa::Annullato;

    QPainter pittore;
    if (!pittore.begin(&stampante))
        return EsitoStampa::ErroreStampante;
    DisegnaSuCarta(pittore, elementi, *correzione);
    return pittore.end() ? EsitoStampa::Stampato : EsitoStampa::ErroreStampante;
}
