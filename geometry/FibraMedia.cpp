// Offsetting the sides of a side projection square to the plate, between the same two cuts.
#include "geometry/FibraMedia.h"

#include "geometry/FormaProiezione.h"
#include "geometry/IncrocioRette.h"

#include <algorithm>
#include <cmath>

void SpostaLati(StatoSviluppo &s, double scostamento) noexcept
{
    if (scostamento == 0)
        return;
    const double cosA = std::cos(s.Alfa), sinA = std::sin(s.Alfa);
    const double cosB = std::cos(s.Beta), sinB = std::sin(s.Beta);
    // A side moved by d square to itself meets the base d / sin of its angle further in.
    const double xA = scostamento / sinA;
    const double xB = s.BaseAB - scostamento / sinB;
    const double dxCD = s.XD - s.XC, dyCD = s.YD - s.YC;
    s.LatoAC = ParametroIncrocio(xA, 0, cosA, sinA, s.XC, s.YC, dxCD, dyCD);
    s.LatoBD = ParametroIncrocio(xB, 0, -cosB, sinB, s.XC, s.YC, dxCD, dyCD);
    s.BaseAB = xB - xA;
    PuntiProiezione(s);
}

double RaggioMinimo(const StatoSviluppo &s) noexcept
{
    // A corner's radius, square to the axis, is half its distance from the other side over the
    // cosine of the half angle: one formula for cones and cylinders, without the apex.
    const double cosA = std::cos(s.Alfa), sinA = std::sin(s.Alfa);
    const double cosB = std::cos(s.Beta), sinB = std::sin(s.Beta);
    const double doppio = 2 * std::cos((s.PiGreco - s.Alfa - s.Beta) / 2);
    auto daBD = [&](double x, double y) { return std::fabs((x - s.XB) * sinB + (y - s.YB) * cosB) / doppio; };
    auto daAC = [&](double x, double y) { return std::fabs((x - s.XA) * sinA - (y - s.YA) * cosA) / doppio; };
    return std::min({daBD(s.XA, s.YA), daBD(s.XC, s.YC), daAC(s.XB, s.YB), daAC(s.XD, s.YD)});
}

bool FacceReali(const StatoSviluppo &s, double spessore, double scostamento) noexcept
{
    // No plate as thick as the solid's narrowest radius rolls, on whichever face it is measured.
    if (!(spessore < RaggioMinimo(s)))
        return false;
    for (double faccia : {scostamento + spessore / 2, scostamento - spessore / 2}) {
        StatoSviluppo copia = s;
        SpostaLati(copia, faccia);
        if (FormaDellaProiezione(copia) != FormaProiezione::Tronco)
            return false;
    }
    return true;
}
