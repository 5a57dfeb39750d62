// The cut plane met by the outer surface, point by point round the axis, then developed.
#include "pieces/DimaAvvolgente.h"

#include <algorithm>
#include <cmath>

namespace {
// How far the outer surface lies out from the one the diameters describe, square to the axis.
double VersoEsterno(double spessore, QuoteLamiera quote)
{
    switch (quote) {
    case QuoteLamiera::Interne:
        return spessore;
    case QuoteLamiera::Medie:
        return spessore / 2;
    case QuoteLamiera::Esterne:
        break;
    }
    return 0;
}

double AreaConSegno(const std::vector<PuntoPiano> &p)
{
    double area = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano &a = p[i], &b = p[(i + 1) % p.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2;
}
} // namespace

std::optional<DimaAvvolgente> DimaDelTaglio(const FigureOfficina &f, double spessore, QuoteLamiera quote,
                                            TaglioDima taglio, int punti)
{
    if (!(f.H > 0 && f.D1 > 0 && f.D2 > 0 && spessore >= 0) || punti < 3)
        return std::nullopt;
    // The axis is z, O1 at the origin, the back (B and D) towards +x; the radius goes linearly with
    // z and the plate's normal offset widens it by 1 / cos of the half angle.
    const double k = (f.D2 - f.D1) / (2 * f.H);
    const double r0 = f.D1 / 2 + VersoEsterno(spessore, quote) * std::sqrt(1 + k * k);
    const bool base = taglio == TaglioDima::Base;
    const double zc = base ? 0 : f.H;
    const double t = std::tan((base ? f.Taglio1 : f.Taglio2) * M_PI / 180);
    // A point of the outer surface at angle a round the axis lies on the cut's plane z = zc + x t.
    if (!(std::fabs(k * t) < 1) || r0 + k * zc <= 0)
        return std::nullopt;
    const bool cilindro = std::fabs(k) < 1e-9;
    const double seno = std::fabs(k) / std::sqrt(1 + k * k); // the cone's half angle

    DimaAvvolgente dima;
    dima.cono = !cilindro;
    dima.diametroEsterno = 2 * (r0 + k * zc);
    std::vector<double> angoli, quote3d; // round the axis; along it
    for (int i = 0; i < punti; ++i) {
        const double a = 2 * M_PI * i / (punti - 1);
        angoli.push_back(a);
        quote3d.push_back((zc + r0 * std::cos(a) * t) / (1 - k * std::cos(a) * t));
    }
    if (cilindro) {
        const double r = r0;
        dima.lunghezza = 2 * M_PI * r;
        const auto [basso, alto] = std::minmax_element(quote3d.begin(), quote3d.end());
        // The piece lies above its base cut and below its top cut: the reference goes into it.
        const double riferimento = base ? *alto + k_MargineDima : *basso - k_MargineDima;
        for (int i = 0; i < punti; ++i) {
            const double x = r * angoli[i];
            dima.taglio.push_back({x, base ? riferimento - quote3d[i] : quote3d[i] - riferimento});
            dima.riferimento.push_back({x, 0});
        }
    } else {
        // Developed about the apex: a generator's slant distance is r / sin, an angle round the
        // axis shrinks by sin.
        std::vector<double> raggi;
        for (double z : quote3d)
            raggi.push_back((r0 + k * z) / seno);
        const auto [vicino, lontano] = std::minmax_element(raggi.begin(), raggi.end());
        // Along z the slant distance grows with the radius: into the piece is outwards when the
        // base cut is the narrow end.
        const bool fuori = base == (k > 0);
        dima.raggioRiferimento = fuori ? *lontano + k_MargineDima : *vicino - k_MargineDima;
        if (dima.raggioRiferimento <= 0)
            return std::nullopt;
        dima.lunghezza = 2 * M_PI * seno * dima.raggioRiferimento;
        for (int i = 0; i < punti; ++i) {
            const double fi = angoli[i] * seno;
            dima.taglio.push_back({raggi[i] * std::cos(fi), raggi[i] * std::sin(fi)});
            dima.riferimento.push_back({dima.raggioRiferimento * std::cos(fi), dima.raggioRiferimento * std::sin(fi)});
        }
    }
    dima.contorno = dima.riferimento;
    dima.contorno.insert(dima.contorno.end(), dima.taglio.rbegin(), dima.taglio.rend());
    if (AreaConSegno(dima.contorno) < 0)
        std::reverse(dima.contorno.begin(), dima.contorno.end());
    return dima;
}
