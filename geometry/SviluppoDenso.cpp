// The true-size development resampled densely through the same generator formulas.
#include "geometry/SviluppoDenso.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/SceltaForma.h"
#include "geometry/SviluppoCilindro.h"
#include "geometry/SviluppoCono.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int k_MassimoGeneratori = 100000;
constexpr double k_TolleranzaArco = 1e-9;

struct Campioni {
    std::vector<double> XAB, YAB, XCD, YCD;
};

bool CampionaBordi(const StatoSviluppo &s, bool cono, int n, Campioni &campioni)
{
    for (std::vector<double> *v : {&campioni.XAB, &campioni.YAB, &campioni.XCD, &campioni.YCD})
        v->assign(std::size_t(2 * n + 1), 0.0);
    // A copy runs the generators, so `s` keeps the running quantities of its 62 points.
    StatoSviluppo copia = s;
    const BordiSviluppo bordi{campioni.XAB.data(), campioni.YAB.data(), campioni.XCD.data(), campioni.YCD.data(), n};
    if (cono)
        GeneratoriCono(copia, bordi);
    else
        GeneratoriCilindro(copia, bordi);
    for (const std::vector<double> *v : {&campioni.XAB, &campioni.YAB, &campioni.XCD, &campioni.YCD}) {
        if (!std::all_of(v->begin(), v->end(), [](double x) { return std::isfinite(x); }))
            return false;
    }
    return true;
}

std::vector<PuntoPiano> Bordo(const std::vector<double> &x, const std::vector<double> &y)
{
    std::vector<PuntoPiano> punti;
    punti.reserve(x.size() - 1);
    for (std::size_t k = 1; k < x.size(); ++k)
        punti.push_back({x[k], y[k]});
    return punti;
}
} // namespace

bool ArcoEsatto(const std::vector<PuntoPiano> &bordo, double &raggio)
{
    double minimo = std::hypot(bordo.front().x, bordo.front().y);
    double massimo = minimo;
    for (const PuntoPiano &p : bordo) {
        const double r = std::hypot(p.x, p.y);
        minimo = std::min(minimo, r);
        massimo = std::max(massimo, r);
    }
    if (massimo - minimo > k_TolleranzaArco * massimo)
        return false;
    raggio = (massimo + minimo) / 2;
    return true;
}

bool SviluppoVero(StatoSviluppo &s, int generatoriPerMeta, ProfiloSviluppo &profilo)
{
    profilo = ProfiloSviluppo{};
    if (!SviluppaSenzaDisegno(s))
        return false;
    profilo.cono = !FormaCilindro(s);
    const int n = std::clamp(generatoriPerMeta, 2, k_MassimoGeneratori);
    Campioni campioni;
    if (!CampionaBordi(s, profilo.cono, n, campioni)) {
        AvvisaNonTronco(s);
        return false;
    }
    profilo.bordoAB = Bordo(campioni.XAB, campioni.YAB);
    profilo.bordoCD = Bordo(campioni.XCD, campioni.YCD);
    if (profilo.cono) {
        profilo.arcoAB = ArcoEsatto(profilo.bordoAB, profilo.raggioAB);
        profilo.arcoCD = ArcoEsatto(profilo.bordoCD, profilo.raggioCD);
    }
    return true;
}
