// The saved state of a development window as the caption its label shows.
#include "documents/Salvataggio.h"

namespace {
const QString k_DaSalvare = QStringLiteral("da salvare");
const QString k_Salvato = QStringLiteral("salvato");
} // namespace

QString DidascaliaSalvataggio(Salvataggio stato)
{
    switch (stato) {
    case Salvataggio::DaSalvare:
        return k_DaSalvare;
    case Salvataggio::Salvato:
        return k_Salvato;
    case Salvataggio::Nessuno:
        break;
    }
    return {};
}

Salvataggio SalvataggioDi(const QString &didascalia)
{
    if (didascalia == k_DaSalvare)
        return Salvataggio::DaSalvare;
    if (didascalia == k_Salvato)
        return Salvataggio::Salvato;
    return Salvataggio::Nessuno;
}
