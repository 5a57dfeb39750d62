// What an export of a development reports back, and the steps every export shares.
#pragma once

#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"

#include <QByteArray>
#include <QString>

enum class EsitoEsportazione {
    Ok,
    DatiRifiutati, // the figures failed validation or the projection was refused (already told)
    NonScrivibile, // the file could not be written; the old file, if any, is intact
};

// The message for a failed write, naming the file; empty for the other outcomes.
QString MessaggioEsportazione(EsitoEsportazione esito, const QString &percorso);

// Develops the input texts of `figure` in a fresh state `sviluppato` (the shared state and its
// plotted arrays stay untouched) with `generatoriPerMeta` generators per half.
bool SviluppaFigure(const StatoSviluppo &figure, int generatoriPerMeta, StatoSviluppo &sviluppato,
                    ProfiloSviluppo &profilo);

// Writes an export's bytes atomically.
EsitoEsportazione ScriviEsportazione(const QString &percorso, const QByteArray &contenuto);

// A number in the exports: point decimal whatever the locale (QString::number never uses it),
// six decimals, and no "-0.000000" to confuse readers.
inline QString NumeroEsportato(double valore)
{
    QString testo = QString::number(valore, 'f', 6);
    if (testo == QLatin1String("-0.000000"))
        testo.remove(0, 1);
    return testo;
}
