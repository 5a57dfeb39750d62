// The cone's ring sector: each generator placed by its angle around the apex and its true lengths.
#include "geometry/SviluppoCono.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/IncrocioRette.h"
#include "geometry/MisureSviluppo.h"
#include "geometry/VerticeCono.h"

#include <cmath>

namespace {
// C or D past the apex: the top cut leaves the cone. (Comparing the slopes of AC and CD, which
// says the same while AC leans inwards, refuses every cone whose AC leans outwards, and an
// upright AC by the rounding of its cosine.)
bool NonTronco(const StatoSviluppo &s) noexcept
{
    return s.LatoAC * std::sin(s.Alfa) > s.YVertice || s.LatoBD * std::sin(s.Beta) > s.YVertice;
}

void Scambia(double &a, double &b, double &appoggio) noexcept
{
    appoggio = a;
    a = b;
    b = appoggio;
}

// Mirrors left to right when the apex is farther from B, so that A is the far corner.
void Specchia(StatoSviluppo &s) noexcept
{
    const double daB = (s.XVertice - s.XB) * (s.XVertice - s.XB) + (s.YVertice - s.YB) * (s.YVertice - s.YB);
    const double daA = (s.XVertice - s.XA) * (s.XVertice - s.XA) + (s.YVertice - s.YA) * (s.YVertice - s.YA);
    s.Specchiato = daB > daA;
    if (!s.Specchiato)
        return;
    s.XA = s.XA - s.XB;
    s.XC = s.XC - s.XB;
    s.XD = s.XD - s.XB;
    s.XVertice = s.XVertice - s.XB;
    s.XB = 0;
    for (double *x : {&s.XA, &s.XB, &s.XC, &s.XD, &s.XVertice})
        *x = -*x;
    Scambia(s.XA, s.XB, s.Appoggio);
    Scambia(s.XC, s.XD, s.Appoggio);
    Scambia(s.YC, s.YD, s.Appoggio);
    Scambia(s.Alfa, s.Beta, s.Appoggio);
}

void Ruota(StatoSviluppo &s, double &x, double &y, double f) noexcept
{
    s.XRuotato = x * std::cos(f) + y * std::sin(f);
    s.YRuotato = -x * std::sin(f) + y * std::cos(f);
    x = s.XRuotato;
    y = s.YRuotato;
}

// Stands the axis upright with A at the origin, then measures the cone.
void RuotaProiezione(StatoSviluppo &s) noexcept
{
    s.AngoloApertura = s.PiGreco - (s.Beta + s.Alfa);
    s.SemiApertura = s.AngoloApertura / 2;
    s.AngoloAsse = s.PiGreco / 2 - s.SemiApertura;
    s.Gamma = s.AngoloAsse - s.Alfa;
    const double f = 2 * s.PiGreco - s.Gamma;
    Ruota(s, s.XA, s.YA, f);
    Ruota(s, s.XB, s.YB, f);
    Ruota(s, s.XC, s.YC, f);
    Ruota(s, s.XD, s.YD, f);
    Ruota(s, s.XVertice, s.YVertice, f);
    s.Apotema = std::sqrt(s.XVertice * s.XVertice + s.YVertice * s.YVertice);
    s.Diametro = 2 * s.Apotema * std::cos(s.Gamma + s.Alfa);
    s.Raggio = s.Diametro / 2;
}

void Polare(const BordiSviluppo &bordi, int k, double angolo, double lungAB, double lungCD) noexcept
{
    bordi.XCD[k] = lungCD * std::cos(angolo);
    bordi.YCD[k] = lungCD * std::sin(angolo);
    bordi.XAB[k] = lungAB * std::cos(angolo);
    bordi.YAB[k] = lungAB * std::sin(angolo);
}
} // namespace

void GeneratoreCono(StatoSviluppo &s) noexcept
{
    s.XPiede = s.Raggio * std::cos(s.Teta) + s.Raggio;
    s.YPiede = 0;
    s.XRetta = s.XPiede;
    s.YRetta = 0;
    // Along the generator from the apex: 0 at the apex, 1 at its foot on the circle through A.
    const double dx = s.XRetta - s.XVertice;
    const double dy = s.YRetta - s.YVertice;
    const double tAB = ParametroIncrocio(s.XVertice, s.YVertice, dx, dy, s.XA, s.YA, s.XB - s.XA, s.YB - s.YA);
    const double tCD = ParametroIncrocio(s.XVertice, s.YVertice, dx, dy, s.XC, s.YC, s.XD - s.XC, s.YD - s.YC);
    s.XTaglioAB = s.XVertice + tAB * dx;
    s.YTaglioAB = s.YVertice + tAB * dy;
    s.XTaglioCD = s.XVertice + tCD * dx;
    s.YTaglioCD = s.YVertice + tCD * dy;
    // Every generator is as long as the apothem from the apex to that circle, so the fraction
    // of the way along it is also the fraction of the true length.
    s.LungAB = tAB * s.Apotema;
    s.LungCD = tCD * s.Apotema;
    s.PosSviluppo = s.Teta * s.Raggio / s.Apotema;
}

void PosaCono(const StatoSviluppo &s, int i, const BordiSviluppo &bordi) noexcept
{
    const int n = bordi.generatoriPerMeta;
    // The seam lies on the chosen side's generator: Teta 0 (BD) or PiGreco (A); a mirrored
    // projection has exchanged the sides.
    if (ChiudeSuAC(s) == s.Specchiato) {
        Polare(bordi, n + 1 - i, s.Teta * s.Raggio / s.Apotema, s.LungAB, s.LungCD);
        Polare(bordi, n + i, (2 * s.PiGreco - s.Teta) * s.Raggio / s.Apotema, s.LungAB, s.LungCD);
    } else {
        Polare(bordi, i, (s.PiGreco - s.Teta) * s.Raggio / s.Apotema, s.LungAB, s.LungCD);
        Polare(bordi, 2 * n + 1 - i, (s.Teta + s.PiGreco) * s.Raggio / s.Apotema, s.LungAB, s.LungCD);
    }
}

void GeneratoriCono(StatoSviluppo &s, const BordiSviluppo &bordi) noexcept
{
    PercorriGeneratori(s, bordi, GeneratoreCono, PosaCono);
}

bool SviluppoCono(ContestoSviluppo &c)
{
    StatoSviluppo &s = c.stato;
    CalcolaVertice(s, s.XVertice, s.YVertice);
    if (NonTronco(s)) {
        RifiutaProiezione(c);
        return false;
    }
    Specchia(s);
    RuotaProiezione(s);
    GeneratoriCono(s, BordiDelloStato(s));
    return ConcludiSviluppo(c, EstensioneCono, k_StampaConoVerticale, k_StampaConoOrizzontale);
}
