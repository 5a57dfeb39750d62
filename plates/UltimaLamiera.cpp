// A large plate is often chosen for the pieces that need it, and the remainder of the pieces then
// takes a whole plate of that size: a smaller one, where it holds them, wastes less.
#include "plates/UltimaLamiera.h"

#include <algorithm>
#include <cmath>

namespace {
double areaSulla(const LamieraPosata &l, const std::vector<PezzoLamiera> &pezzi)
{
    double area = 0;
    for (const PezzoPosato &p : l.pezzi)
        area += std::abs(AreaConSegno(pezzi[size_t(p.pezzo)].contorno));
    return area;
}

double areaDi(const Lamiera &l) { return l.larghezza * l.altezza; }
} // namespace

bool UltimaSullaMinore(std::vector<LamieraPosata> &lamiere, const std::vector<PezzoLamiera> &pezzi,
                       const std::vector<Lamiera> &stock, const RegoleAnnidamento &regole)
{
    // A single plate on a smaller size is the option of that size itself, already ranked.
    if (lamiere.size() < 2)
        return false;
    const auto meno = std::min_element(lamiere.begin(), lamiere.end(), [&](const auto &a, const auto &b) {
        return areaSulla(a, pezzi) < areaSulla(b, pezzi);
    });
    std::rotate(meno, meno + 1, lamiere.end());
    LamieraPosata &ultima = lamiere.back();

    std::vector<PezzoLamiera> suoi;
    for (const PezzoPosato &p : ultima.pezzi)
        suoi.push_back(pezzi[size_t(p.pezzo)]);
    // Sizes whose room inside the margin could take the pieces' area at all.
    const double area = areaSulla(ultima, pezzi);
    std::vector<Lamiera> minori;
    for (const Lamiera &l : stock)
        if (areaDi(l) < areaDi(ultima.lamiera) &&
            (l.larghezza - 2 * regole.margine) * (l.altezza - 2 * regole.margine) >= area)
            minori.push_back(l);
    std::stable_sort(minori.begin(), minori.end(),
                     [](const Lamiera &a, const Lamiera &b) { return areaDi(a) < areaDi(b); });
    for (const Lamiera &l : minori) {
        const auto posate = Annida(suoi, l, regole, 1);
        if (!posate)
            continue;
        LamieraPosata nuova = posate->front();
        // Back to the indices of the whole split.
        for (PezzoPosato &p : nuova.pezzi)
            p.pezzo = ultima.pezzi[size_t(p.pezzo)].pezzo;
        ultima = std::move(nuova);
        return true;
    }
    return false;
}
