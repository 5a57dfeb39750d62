// The apex as the crossing of AC and BD, in the one form the validation and the cone share.
#include "geometry/VerticeCono.h"

#include "geometry/IncrocioRette.h"

// Parametric along AC: an upright BD (a base angle of 90 degrees) has no usable slope.
void CalcolaVertice(const StatoSviluppo &s, double &x, double &y) noexcept
{
    const double t = ParametroIncrocio(s.XA, s.YA, s.XC - s.XA, s.YC - s.YA, s.XB, s.YB, s.XD - s.XB, s.YD - s.YB);
    x = s.XA + t * (s.XC - s.XA);
    y = s.YA + t * (s.YC - s.YA);
}
