// Console message boxes: the prompt on stderr, no waiting for an answer.
#include "app/PiattaformaConsole.h"

#include <cstdio>

void ScriviErrore(const QString &testo)
{
    std::fputs((testo + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

int PiattaformaConsole::MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &)
{
    ScriviErrore(prompt);
    switch (pulsanti) {
    case Pulsanti::OK:
        return RispostaOK;
    case Pulsanti::SiNo:
        return RispostaNo;
    case Pulsanti::OKAnnulla:
    case Pulsanti::SiNoAnnulla:
        break;
    }
    return RispostaAnnulla;
}
