// Blanks with known extents for the tiling tests: rectangles and ring sectors, densely sampled.
#pragma once

#include "fogli/SagomaFogli.h"

#include <cmath>

namespace sagome {
constexpr double k_Gradi = M_PI / 180;

inline PuntoPiano ruota(PuntoPiano p, double gradi)
{
    const double c = std::cos(gradi * k_Gradi), s = std::sin(gradi * k_Gradi);
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

inline std::vector<PuntoPiano> tratto(PuntoPiano a, PuntoPiano b, int passi)
{
    std::vector<PuntoPiano> punti;
    for (int i = 0; i <= passi; ++i)
        punti.push_back({a.x + (b.x - a.x) * i / passi, a.y + (b.y - a.y) * i / passi});
    return punti;
}

// A cylinder's strip: AB along x from the origin, CD at `altezza`, the whole turned by `gradi`.
inline ProfiloSviluppo striscia(double lunghezza, double altezza, double gradi = 0, int passi = 100)
{
    ProfiloSviluppo p;
    p.bordoAB = tratto({0, 0}, {lunghezza, 0}, passi);
    p.bordoCD = tratto({0, altezza}, {lunghezza, altezza}, passi);
    for (auto *bordo : {&p.bordoAB, &p.bordoCD})
        for (PuntoPiano &q : *bordo)
            q = ruota(q, gradi);
    return p;
}

// A cone's ring sector, apex at the origin, AB the outer arc from angle `da` to `a` degrees.
inline ProfiloSviluppo settore(double raggioInterno, double raggioEsterno, double da, double a)
{
    ProfiloSviluppo p;
    p.cono = true;
    constexpr int k_Passi = 720; // odd point count: the middle generator is a sample
    for (int i = 0; i <= k_Passi; ++i) {
        const double t = (da + (a - da) * i / k_Passi) * k_Gradi;
        p.bordoAB.push_back({raggioEsterno * std::cos(t), raggioEsterno * std::sin(t)});
        p.bordoCD.push_back({raggioInterno * std::cos(t), raggioInterno * std::sin(t)});
    }
    return p;
}

// A plain rectangle from the origin, with no directions beyond the paper's own.
inline SagomaFogli rettangolo(double larghezza, double altezza)
{
    SagomaFogli s;
    s.contorno = {{0, 0}, {larghezza, 0}, {larghezza, altezza}, {0, altezza}};
    return s;
}
} // namespace sagome
