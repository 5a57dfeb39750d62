// The cylinder's strip: abscissa the arc around the mantle, ordinates the two cuts.
#include "geometry/SviluppoCilindro.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/MisureSviluppo.h"

#include <cmath>

namespace {
// Turns the projection so that the generators stand upright, A at the origin, C above it.
// Alfa past a right angle needs nothing else: Gamma is then negative, B lies below A's
// level, and the generators' formulas still give AC at XPiede 0 and BD at Diametro.
void RuotaProiezione(StatoSviluppo &s) noexcept
{
    s.Gamma = s.PiGreco / 2 - s.Alfa;
    s.XA = 0;
    s.YA = 0;
    s.XB = s.BaseAB * std::cos(s.Gamma);
    s.YB = s.BaseAB * std::sin(s.Gamma);
    s.XC = 0;
    s.YC = s.LatoAC;
    s.XD = s.XB;
    s.YD = s.LatoBD + s.YB;
    s.Diametro = s.XB;
    s.Raggio = s.XB / 2;
}
} // namespace

void GeneratoreCilindro(StatoSviluppo &s) noexcept
{
    s.XPiede = s.Raggio * std::cos(s.Teta) + s.Raggio;
    s.LungAB = s.LatoAC - s.XPiede * std::tan(s.Gamma);
    s.LungCD = -((s.YD - s.YC) / s.XD) * s.XPiede;
    s.PosSviluppo = s.Teta * s.Raggio;
}

void PosaCilindro(const StatoSviluppo &s, int i, const BordiSviluppo &bordi) noexcept
{
    const int n = bordi.generatoriPerMeta;
    const double ritorno = 2 * s.Raggio * s.PiGreco - s.PosSviluppo;
    bordi.XCD[n + 1 - i] = s.PosSviluppo;
    bordi.XCD[n + i] = ritorno;
    bordi.XAB[n + 1 - i] = s.PosSviluppo;
    bordi.XAB[n + i] = ritorno;
    // The abscissae run the same way whichever side closes; closing on AC hangs on each
    // abscissa the ordinates of the generator opposite, so AC stands at both ends.
    const bool suAC = ChiudeSuAC(s);
    const int primo = suAC ? i : n + 1 - i;
    const int secondo = suAC ? 2 * n + 1 - i : n + i;
    bordi.YCD[primo] = s.LungCD;
    bordi.YCD[secondo] = s.LungCD;
    bordi.YAB[primo] = s.LungAB;
    bordi.YAB[secondo] = s.LungAB;
}

void GeneratoriCilindro(StatoSviluppo &s, const BordiSviluppo &bordi) noexcept
{
    PercorriGeneratori(s, bordi, GeneratoreCilindro, PosaCilindro);
}

bool SviluppoCilindro(ContestoSviluppo &c)
{
    StatoSviluppo &s = c.stato;
    RuotaProiezione(s);
    GeneratoriCilindro(s, BordiDelloStato(s));
    return ConcludiSviluppo(c, EstensioneCilindro, k_StampaCilindroVerticale, k_StampaCilindroOrizzontale);
}
