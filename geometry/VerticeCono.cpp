// The apex as the crossing of AC and BD, in the one form the validation and the cone share.
#include "geometry/VerticeCono.h"

#include "geometry/IncrocioRette.h"

#include <cmath>

// Parametric along AC: an upright BD (a base angle of 90 degrees) has no usable slope. The sides'
// directions come from their angles, not from D - B: a side of a few micrometres (a plate's face
// whose cuts nearly meet) would lose its direction, and a slim cone's apex with it, to rounding.
void CalcolaVertice(const StatoSviluppo &s, double &x, double &y) noexcept
{
    const double dxAC = std::cos(s.Alfa), dyAC = std::sin(s.Alfa);
    const double t = ParametroIncrocio(s.XA, s.YA, dxAC, dyAC, s.XB, s.YB, -std::cos(s.Beta), std::sin(s.Beta));
    x = s.XA + t * dxAC;
    y = s.YA + t * dyAC;
}
