// Validated figures to a developed cylinder or cone: the shape choice and the development.
#include "geometry/SceltaForma.h"

#include "geometry/FormaProiezione.h"
#include "geometry/SviluppoCilindro.h"
#include "geometry/SviluppoCono.h"
#include "geometry/ValidaDati.h"

bool FormaCilindro(const StatoSviluppo &s) noexcept { return LatiParalleli(s); }

bool FigureValide(StatoSviluppo &s)
{
    s.ErroreDati = 0;
    ValidaDati(s);
    return s.ErroreDati != 1;
}

bool ScegliForma(ContestoSviluppo &c) { return FormaCilindro(c.stato) ? SviluppoCilindro(c) : SviluppoCono(c); }

bool SviluppaSenzaDisegno(StatoSviluppo &s)
{
    ContestoSviluppo c{s};
    return FigureValide(s) && ScegliForma(c);
}
