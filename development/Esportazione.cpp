// Shared steps of the exports: a fresh development of the figures, the atomic write, the message.
#include "development/Esportazione.h"

#include "platform/FileSicuro.h"

QString MessaggioEsportazione(EsitoEsportazione esito, const QString &percorso)
{
    if (esito != EsitoEsportazione::NonScrivibile)
        return {};
    return QStringLiteral("Impossibile scrivere il file: ") + percorso;
}

bool SviluppaFigure(const StatoSviluppo &figure, int generatoriPerMeta, StatoSviluppo &sviluppato,
                    ProfiloSviluppo &profilo)
{
    sviluppato = StatoSviluppo{};
    sviluppato.Nome = figure.Nome;
    sviluppato.TestoAC = figure.TestoAC;
    sviluppato.TestoAB = figure.TestoAB;
    sviluppato.TestoBD = figure.TestoBD;
    sviluppato.TestoAlfa = figure.TestoAlfa;
    sviluppato.TestoBeta = figure.TestoBeta;
    sviluppato.ChiudiAC = figure.ChiudiAC;
    sviluppato.ChiudiBD = figure.ChiudiBD;
    profilo = ProfiloSviluppo{};
    return SviluppoVero(sviluppato, generatoriPerMeta, profilo);
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const QByteArray &contenuto)
{
    return ScriviFileSicuro(percorso, contenuto) ? EsitoEsportazione::Ok : EsitoEsportazione::NonScrivibile;
}
