// Refusing a projection, or finishing a development up to the choice of its plot routine.
#include "geometry/EsitoSviluppo.h"

#include "geometry/MisureSviluppo.h"
#include "platform/Piattaforma.h"

void AvvisaNonTronco(StatoSviluppo &s)
{
    s.Risposta =
        MsgBox(QStringLiteral("La proiezione non è un tronco di cono !"), Pulsanti::OK, QStringLiteral("Attenzione!"));
}

void RifiutaProiezione(ContestoSviluppo &c)
{
    AvvisaNonTronco(c.stato);
    if (c.foglio)
        c.foglio->Mostra();
}

bool ConcludiSviluppo(ContestoSviluppo &c, void (*estensione)(StatoSviluppo &) noexcept,
                      const QString &routineVerticale, const QString &routineOrizzontale)
{
    StatoSviluppo &s = c.stato;
    SommeBordi(s);
    EstremiBordi(s);
    estensione(s);
    // Figures that pass the validation can still overflow or meet a vanishing divisor
    // (huge lengths, angles past a straight one): such a figure is no drawable blank.
    if (!SviluppoFinito(s)) {
        RifiutaProiezione(c);
        return false;
    }
    if (c.finestra)
        c.finestra->ImpostaSalvato(QStringLiteral("da salvare"));
    s.Scala = 1;
    s.RoutineStampa = s.Larghezza < s.Altezza ? routineVerticale : routineOrizzontale;
    if (c.finestra)
        c.finestra->ImpostaStampa(s.RoutineStampa);
    return true;
}
