// The two contents the cyclic writer alternates, shared with the test that kills it.
#pragma once

#include "FileOstili.h"

#include "calibration/RecordTara.h"
#include "geometry/StatoSviluppo.h"

inline RecordSviluppo RecordCiclo(int quale)
{
    RecordSviluppo r = RecordDaByte(RecordCono());
    if (quale == 2) {
        r.Nome = QStringLiteral("Secondo");
        r.TestoAB = QStringLiteral("150");
    }
    return r;
}

inline StatoSviluppo FiguraCiclo(int quale)
{
    const RecordSviluppo r = RecordCiclo(quale);
    StatoSviluppo s;
    CaricaNelloStato(r, s);
    return s;
}

inline RecordTara TaraCiclo()
{
    RecordTara r = TaraLexmark();
    r.NomeTara = QStringLiteral("Epson ciclo");
    return r;
}
