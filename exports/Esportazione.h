// What an export of a development reports back, and the steps every export shares.
#pragma once

#include "platform/FileSicuro.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

enum class EsitoEsportazione {
    Ok,
    DatiRifiutati, // the figures failed validation or the projection was refused (already told)
    NonScrivibile, // the file could not be written; the old file, if any, is intact
    Vietata,       // the target leads to the input or to a file of ours: not touched
};

// The message for a failed write or a refused target, naming the file and `motivo`; empty for
// the other outcomes.
QString MessaggioEsportazione(EsitoEsportazione esito, const QString &percorso, const QString &motivo);

// Why an export must not replace the file `percorso` leads to (through links); empty when it may.
// Refused: `origine`, the file the figures came from (empty: none), and every file of ours:
// developments (.tnt), jobs (.vorna), Taratura.dat, Lavoro.dat, Lamiere.dat and their locks.
// The one place that knows them: every export, from a window or the command line, asks here.
QString DestinazioneVietata(const QString &percorso, const QString &origine);

// Writes an export's bytes atomically, unless DestinazioneVietata refuses `percorso`. `motivo`,
// when given, receives why it was not written.
EsitoEsportazione ScriviEsportazione(const QString &percorso, const QByteArray &contenuto, const QString &origine,
                                     QString *motivo);

// The same for a content that may not exist: nothing means the figures were refused (already told).
EsitoEsportazione ScriviEsportazione(const QString &percorso, const std::optional<QByteArray> &contenuto,
                                     const QString &origine, QString *motivo);

// The same for a content written piece by piece by `scrivi` into the safe write, which returns its
// first failure: the old file is replaced only when there was none.
EsitoEsportazione ScriviEsportazione(const QString &percorso, const std::function<EsitoFile(ScritturaSicura &)> &scrivi,
                                     const QString &origine, QString *motivo);

// A number in the exports: point decimal whatever the locale (QString::number never uses it),
// six decimals, and no "-0.000000" to confuse readers.
inline QString NumeroEsportato(double valore)
{
    QString testo = QString::number(valore, 'f', 6);
    if (testo == QLatin1String("-0.000000"))
        testo.remove(0, 1);
    return testo;
}
