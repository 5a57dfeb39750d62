// Refusing an option's value that is missing, blank or wider than the field it goes into.
#include "app/ValoreOpzione.h"

std::optional<QString> ValoreRifiutato(const QStringList &argomenti, qsizetype i, int larghezza)
{
    const QString &opzione = argomenti.at(i);
    const QString valore = i + 1 < argomenti.size() ? argomenti.at(i + 1).trimmed() : QString();
    if (valore.isEmpty())
        return QStringLiteral("Manca il valore di ") + opzione;
    if (larghezza > 0 && valore.size() > larghezza)
        return QStringLiteral("Il valore di %1 ha più di %2 caratteri: %3").arg(opzione).arg(larghezza).arg(valore);
    return std::nullopt;
}
