// Reading --thickness and --surface, and putting them over the figures read from a file.
#include "app/OpzioniLamiera.h"

#include "app/ValoreOpzione.h"

namespace {
std::optional<QuoteLamiera> QuoteDi(const QString &nome)
{
    if (nome == QLatin1String("inside"))
        return QuoteLamiera::Interne;
    if (nome == QLatin1String("outside"))
        return QuoteLamiera::Esterne;
    if (nome == QLatin1String("mean"))
        return QuoteLamiera::Medie;
    return std::nullopt;
}
} // namespace

std::optional<QString> LeggiOpzioniLamiera(const QStringList &argomenti, OpzioniLamiera &opzioni)
{
    for (qsizetype i = 0; i < argomenti.size(); i += 2) {
        const QString &opzione = argomenti.at(i);
        const bool spessore = opzione == QLatin1String("--thickness");
        if (!spessore && opzione != QLatin1String("--surface"))
            return QStringLiteral("Opzione sconosciuta: ") + opzione;
        // The thickness fills the figures' field: cut, "00000000010" would be a 1 mm plate.
        const int larghezza = spessore ? FigureSviluppo{}.TestoSpessore.larghezza() : 0;
        if (const auto rifiuto = ValoreRifiutato(argomenti, i, larghezza))
            return rifiuto;
        const QString valore = argomenti.at(i + 1).trimmed();
        if (spessore) {
            opzioni.spessore = valore; // checked with the figures, as a typed thickness is
            continue;
        }
        opzioni.quote = QuoteDi(valore);
        if (!opzioni.quote)
            return QStringLiteral("Superficie sconosciuta (inside, outside o mean): ") + valore;
    }
    return std::nullopt;
}

void ApplicaOpzioniLamiera(const OpzioniLamiera &opzioni, FigureSviluppo &figure)
{
    if (opzioni.spessore)
        figure.TestoSpessore = *opzioni.spessore;
    if (opzioni.quote)
        figure.Quote = *opzioni.quote;
}
