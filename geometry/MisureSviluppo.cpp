// Edge lengths and extents of the 62-point edges.
#include "geometry/MisureSviluppo.h"

#include <cmath>

namespace {
double LunghezzaBordo(const ArrayPunti &x, const ArrayPunti &y) noexcept
{
    double somma = 0;
    for (int i = 1; i <= k_PuntiBordo - 1; ++i) {
        const double dx = x[i + 1] - x[i];
        const double dy = y[i + 1] - y[i];
        somma = somma + std::sqrt(dx * dx + dy * dy);
    }
    return somma;
}

void Estremi(const ArrayPunti &a, double &massimo, double &minimo) noexcept
{
    massimo = a[1];
    minimo = a[1];
    for (int k = 1; k <= k_PuntiBordo; ++k) {
        if (a[k] > massimo)
            massimo = a[k];
        if (a[k] < minimo)
            minimo = a[k];
    }
}

bool Finiti(const ArrayPunti &a) noexcept
{
    for (int k = 1; k <= k_PuntiBordo; ++k) {
        if (!std::isfinite(a[k]))
            return false;
    }
    return true;
}
} // namespace

void SommeBordi(StatoSviluppo &s) noexcept
{
    s.SommaAB = LunghezzaBordo(s.XAB, s.YAB);
    s.SommaCD = LunghezzaBordo(s.XCD, s.YCD);
}

void EstremiBordi(StatoSviluppo &s) noexcept
{
    Estremi(s.YAB, s.YABMax, s.YABMin);
    Estremi(s.YCD, s.YCDMax, s.YCDMin);
    Estremi(s.XAB, s.XABMax, s.XABMin);
    Estremi(s.XCD, s.XCDMax, s.XCDMin);
}

void EstensioneCilindro(StatoSviluppo &s) noexcept
{
    s.Altezza = s.YABMax - s.YCDMin;
    s.Larghezza = s.XABMax - s.XCDMin;
}

void EstensioneCono(StatoSviluppo &s) noexcept
{
    if (s.YCDMin < s.YCD[1] || s.YCDMin > s.YABMin)
        s.Altezza = s.YABMax - s.YABMin;
    else
        s.Altezza = s.YABMax - s.YCD[1];
    s.Larghezza = s.XABMin < s.XCDMin ? s.XABMax - s.XABMin : s.XABMax - s.XCDMin;
}

bool SviluppoFinito(const StatoSviluppo &s) noexcept
{
    const double misure[] = {s.SommaAB, s.SommaCD, s.YABMax, s.YABMin, s.YCDMax,    s.YCDMin,
                             s.XABMax,  s.XABMin,  s.XCDMax, s.XCDMin, s.Larghezza, s.Altezza};
    for (double m : misure) {
        if (!std::isfinite(m))
            return false;
    }
    return Finiti(s.XAB) && Finiti(s.YAB) && Finiti(s.XCD) && Finiti(s.YCD);
}
