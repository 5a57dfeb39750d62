// From the input texts to a drawn development: validation, shape choice, development.
#include "geometry/CalcolaSviluppo.h"

#include "geometry/SviluppoCilindro.h"
#include "geometry/SviluppoCono.h"
#include "geometry/ValidaDati.h"
#include "plot/SuperficieDisegno.h"

#include <cmath>

bool FormaCilindro(const StatoSviluppo &s) noexcept
{
    return std::fabs(s.Alfa - (s.PiGreco - s.Beta)) < 0.001;
}

bool ScegliForma(ContestoCalcolo &c)
{
    return FormaCilindro(c.stato) ? SviluppoCilindro(c) : SviluppoCono(c);
}

bool CalcolaSviluppo(ContestoCalcolo &c)
{
    c.stato.ErroreDati = 0;
    ValidaDati(c.stato);
    if (c.stato.ErroreDati == 1)
        return false; // the previous drawing stays
    if (c.finestra)
        c.finestra->Superficie().Cls();
    const bool sviluppato = ScegliForma(c);
    if (c.foglio)
        c.foglio->Nascondi();
    return sviluppato;
}
