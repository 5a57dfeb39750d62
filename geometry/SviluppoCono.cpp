// The cone's ring sector: each generator placed by its angle around the apex and its true lengths.
#include "geometry/SviluppoCono.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/MisureSviluppo.h"
#include "geometry/VerticeCono.h"

#include <cmath>

namespace {
constexpr double k_SogliaVerticale = 0.001; // mm: a generator this close to upright

// C above the apex, or a top line steeper than AC: no truncated cone in the expected position.
bool NonTronco(const StatoSviluppo &s) noexcept
{
    if (s.LatoAC * std::sin(s.Alfa) > s.YVertice)
        return true;
    return (s.YC - s.YA) / (s.XC - s.XA) < (s.YD - s.YC) / (s.XD - s.XC);
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

double Distanza(double x1, double y1, double x2, double y2) noexcept
{
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
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
    const double q = (s.XD * s.YC - s.YD * s.XC) / (s.XD - s.XC);
    const double m = (s.YD - s.YC) / (s.XD - s.XC);
    if (std::fabs(s.XVertice - s.XRetta) < k_SogliaVerticale) {
        s.XTaglioAB = s.XVertice;
        s.XTaglioCD = s.XVertice;
    } else {
        // The generator's line as y = pendenza x + quota.
        const double quota = (s.YRetta * s.XVertice - s.XRetta * s.YVertice) / (s.XVertice - s.XRetta);
        const double pendenza = (s.YVertice - s.YRetta) / (s.XVertice - s.XRetta);
        s.XTaglioAB = quota / (s.YB / s.XB - pendenza);
        s.XTaglioCD = (quota - q) / (m - pendenza);
    }
    s.YTaglioAB = (s.YB / s.XB) * s.XTaglioAB;
    s.YTaglioCD = q + m * s.XTaglioCD;
    // Projected distances from the apex grow to true ones by slant over projected length.
    const double obliqua = std::sqrt(s.XVertice * s.XVertice + s.YVertice * s.YVertice);
    const double proiettata = Distanza(s.XVertice, s.YVertice, s.XPiede, s.YPiede);
    s.LungAB = Distanza(s.XVertice, s.YVertice, s.XTaglioAB, s.YTaglioAB) * obliqua / proiettata;
    s.LungCD = Distanza(s.XVertice, s.YVertice, s.XTaglioCD, s.YTaglioCD) * obliqua / proiettata;
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

bool SviluppoCono(ContestoCalcolo &c)
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
