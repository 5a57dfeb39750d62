// Piecewise-linear print correction from a calibration record's zones and shifts.
#include "calibration/CorrezioneTara.h"

#include "platform/TestoNumerico.h"

#include <algorithm>
#include <cmath>

namespace {
// Every zone must have positive nominal and measured spans, or an empty nominal span (a zone 1
// ending at 0 and equal neighbours pass the field checks; no point then lies in that zone), and
// end within the limit.
bool zoneSane(const ZoneAsse &z) noexcept
{
    auto sana = [](double nominale, double misurata) {
        return nominale == 0 ? misurata >= 0 : nominale > 0 && misurata > 0;
    };
    return sana(z.nom1, z.rea1) && sana(z.nom2 - z.nom1, z.rea2 - z.rea1) && sana(z.nom3 - z.nom2, z.rea3 - z.rea2) &&
           z.nom3 <= z.limite;
}

// A stretch of a zone divided by the zone's printed/nominal ratio, as the factory correction
// writes it; an empty zone has no ratio and leaves the stretch as it is.
double corretto(double tratto, double nominale, double misurata) noexcept
{
    return nominale == 0 ? tratto : tratto / (misurata / nominale);
}

double correggiZone(double x, const ZoneAsse &z) noexcept
{
    if (x < 0 || x > z.limite || !zoneSane(z))
        return x;
    if (x <= z.nom1)
        return corretto(x, z.nom1, z.rea1);
    const double fine1 = corretto(z.nom1, z.nom1, z.rea1);
    const double span2 = z.nom2 - z.nom1;
    if (x <= z.nom2)
        return corretto(x - z.nom1, span2, z.rea2 - z.rea1) + fine1;
    const double fine2 = fine1 + corretto(span2, span2, z.rea2 - z.rea1);
    return fine2 + corretto(x - z.nom2, z.nom3 - z.nom2, z.rea3 - z.rea2);
}

ZoneAsse zoneDi(const RecordTara &r, bool asseX, double unita, double limiteMm)
{
    auto v = [unita](const QString &testo) { return ValoreNumerico(testo) * unita; };
    if (asseX)
        return {v(r.XNom1), v(r.XNom2), v(r.XNom3), v(r.XRea1), v(r.XRea2), v(r.XRea3), limiteMm * unita};
    return {v(r.YNom1), v(r.YNom2), v(r.YNom3), v(r.YRea1), v(r.YRea2), v(r.YRea3), limiteMm * unita};
}

double shiftDi(const QString &testo, double unita)
{
    const double massimo = CorrezioneTara::k_ShiftMassimoMm;
    return std::clamp(ValoreNumerico(testo), -massimo, massimo) * unita;
}
} // namespace

double CorreggiAsse(double x, const ZoneAsse &z) noexcept
{
    const double risultato = correggiZone(x, z);
    return std::isfinite(risultato) ? risultato : x; // absurd spans of a damaged record
}

CorrezioneTara::CorrezioneTara(const RecordTara &record, double unitaPerMm)
    : m_x(zoneDi(record, true, unitaPerMm, k_LimiteXMm)),
      m_y(zoneDi(record, false, unitaPerMm, k_LimiteYMm)),
      m_shiftX(shiftDi(record.ShiftX, unitaPerMm)),
      m_shiftY(shiftDi(record.ShiftY, unitaPerMm))
{
}

double CorrezioneTara::X(double x) const noexcept { return CorreggiAsse(x, m_x) + m_shiftX; }

double CorrezioneTara::Y(double y) const noexcept { return CorreggiAsse(y, m_y) + m_shiftY; }
