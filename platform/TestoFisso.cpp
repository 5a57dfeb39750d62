// Fitting texts to fixed-width fields.
#include "platform/TestoFisso.h"

QString Fissa(const QString &testo, int larghezza)
{
    if (larghezza <= 0)
        return QString();
    if (testo.size() >= larghezza)
        return testo.left(larghezza);
    return testo + QString(larghezza - testo.size(), QLatin1Char(' '));
}

QString TrimBlank(const QString &testo)
{
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo.at(inizio) == QLatin1Char(' '))
        ++inizio;
    while (fine > inizio && testo.at(fine - 1) == QLatin1Char(' '))
        --fine;
    return testo.mid(inizio, fine - inizio);
}
