// The recording development window.
#include "tests/support/FinestraFinta.h"

void FinestraFinta::ImpostaSalvato(const QString &didascalia)
{
    lblSalvato = didascalia;
    didascalie << QStringLiteral("lblSalvato=") + didascalia;
}

void FinestraFinta::ImpostaStampa(const QString &didascalia)
{
    lblStampa = didascalia;
    didascalie << QStringLiteral("lblStampa=") + didascalia;
}
