// The projection's shape from where its sides meet, whatever the lengths of their shadows.
#include "geometry/FormaProiezione.h"

#include "geometry/VerticeCono.h"

#include <cmath>

bool LatiParalleli(const StatoSviluppo &s) noexcept
{
    return std::fabs(s.Alfa - (s.PiGreco - s.Beta)) < k_SogliaParallele;
}

void PuntiProiezione(StatoSviluppo &s) noexcept
{
    s.XA = 0;
    s.YA = 0;
    s.XB = s.BaseAB;
    s.YB = 0;
    s.XC = s.LatoAC * std::cos(s.Alfa);
    s.YC = s.LatoAC * std::sin(s.Alfa);
    s.XD = s.BaseAB - s.LatoBD * std::cos(s.Beta);
    s.YD = s.LatoBD * std::sin(s.Beta);
}

FormaProiezione FormaDellaProiezione(const StatoSviluppo &s) noexcept
{
    // A base angle of a straight angle or more puts its side under the base.
    const bool lati = s.BaseAB > 0 && s.LatoAC > 0 && s.LatoBD > 0;
    if (!lati || !(s.Alfa > 0 && s.Alfa < s.PiGreco && s.Beta > 0 && s.Beta < s.PiGreco))
        return FormaProiezione::NonTronco;
    if (LatiParalleli(s))
        return FormaProiezione::Tronco;
    double x = 0, y = 0;
    CalcolaVertice(s, x, y);
    // C and D rise along their sides, so past the apex means above it; an apex under the base
    // leaves both above it.
    const bool oltreC = s.YC > y, oltreD = s.YD > y;
    if (!std::isfinite(y) || (oltreC && !oltreD) || (oltreD && !oltreC) || y <= 0)
        return FormaProiezione::NonTronco;
    return oltreC ? FormaProiezione::LatiIncrociati : FormaProiezione::Tronco;
}
