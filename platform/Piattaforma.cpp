// The current platform implementation and the shorthands over it.
#include "platform/Piattaforma.h"

#include "Versione.h"

#include <cstdlib>
#include <cstdio>

namespace {
Piattaforma *g_piattaforma = nullptr;
}

Piattaforma::~Piattaforma() = default;

Piattaforma &Piattaforma::corrente()
{
    if (!g_piattaforma) {
        std::fputs("Vorna: no platform installed\n", stderr);
        std::abort();
    }
    return *g_piattaforma;
}

void Piattaforma::installa(Piattaforma *piattaforma) { g_piattaforma = piattaforma; }

int MsgBox(const QString &prompt, Pulsanti pulsanti)
{
    return Piattaforma::corrente().MsgBox(prompt, pulsanti, TitoloApplicazione());
}

int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo)
{
    return Piattaforma::corrente().MsgBox(prompt, pulsanti, titolo);
}

QString TitoloApplicazione() { return QStringLiteral(VORNA_TITOLO); }

QString VersioneApplicazione() { return QStringLiteral(VORNA_VERSIONE); }
