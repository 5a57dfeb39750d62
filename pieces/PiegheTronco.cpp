// The bend lines are generators of the development itself, so they meet its edges exactly.
#include "pieces/PiegheTronco.h"

#include "pieces/PezzoDelTronco.h"
#include "pieces/SolidoTroncato.h"

#include <algorithm>
#include <cmath>

namespace {
struct Vettore {
    double x, y, z;
};
Vettore vettoriale(Vettore a, Vettore b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double scalare(Vettore a, Vettore b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double modulo(Vettore a) { return std::sqrt(scalare(a, a)); }

// The flat between the generators at angles ta and tb around the axis: its normal, from one
// generator's direction and the chord of the circle z = 0 between them.
Vettore normale(const FigureOfficina &medie, double ta, double tb)
{
    const double a = medie.D1 / 2, b = (medie.D2 - medie.D1) / (2 * medie.H);
    const Vettore generatrice{b * std::cos(ta), b * std::sin(ta), 1};
    const Vettore corda{a * (std::cos(tb) - std::cos(ta)), a * (std::sin(tb) - std::sin(ta)), 0};
    return vettoriale(generatrice, corda);
}

double angoloDiPiega(const FigureOfficina &medie, double passo)
{
    // Every bend is alike: the one at 0 between the flats on either side.
    const Vettore prima = normale(medie, -passo, 0), dopo = normale(medie, 0, passo);
    const double coseno = scalare(prima, dopo) / (modulo(prima) * modulo(dopo));
    return std::acos(std::clamp(coseno, -1.0, 1.0)) * 180 / M_PI;
}
} // namespace

bool PiegheAmmesse(int pieghe) { return pieghe == 0 || (pieghe >= k_PiegheMinime && pieghe <= k_PiegheMassime); }

QString MessaggioPieghe()
{
    return QStringLiteral("Pieghe deve essere 0 (nessuna) o un numero intero da %1 a %2!")
        .arg(k_PiegheMinime)
        .arg(k_PiegheMassime);
}

std::vector<Piega> PiegheDelTronco(const FigureSviluppo &f, int pieghe)
{
    if (pieghe <= 0 || !PiegheAmmesse(pieghe))
        return {};
    // With N + 1 generators per half, the development's points fall at every (2k - 1) pi / N
    // around the axis from the seam: point 2k of each edge in the first half, 2k + 1 in the second
    // (the middle generator appears twice).
    StatoSviluppo stato;
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(f, pieghe + 1, stato, profilo))
        return {};
    const auto digitate = FigureDelLavoro(f, profilo.cono);
    if (!digitate)
        return {};
    const FigureOfficina medie = FigureMedie(f, *digitate);
    const SolidoTroncato solido(medie);
    const double passo = 2 * M_PI / pieghe;
    const double angolo = angoloDiPiega(medie, passo);
    const double apertura = solido.Cono() ? 360 * solido.SenoSemiApertura() : M_PI * medie.D1;
    std::vector<Piega> risultato;
    for (int k = 1; k <= pieghe; ++k) {
        const std::size_t indice = std::size_t(2 * k - 1 <= pieghe ? 2 * k : 2 * k + 1) - 1;
        Piega p;
        p.posizione = apertura * (2 * k - 1) / (2.0 * pieghe);
        p.ab = profilo.bordoAB[indice];
        p.cd = profilo.bordoCD[indice];
        if (profilo.cono) {
            p.raggioAB = std::hypot(p.ab.x, p.ab.y);
            p.raggioCD = std::hypot(p.cd.x, p.cd.y);
        }
        p.angolo = angolo;
        risultato.push_back(p);
    }
    return risultato;
}
