// A piece keeps the edge points of its blank as exact copies, and adds one corner where a seam
// cuts between two of them: a lookup finds the first, the neighbouring segments the second.
#include "plates/BordoDelPezzo.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

std::vector<PuntoSulBordo> PuntiSulBordo(const Poligono &contorno, const std::vector<PuntoPiano> &bordo)
{
    std::map<std::pair<double, double>, size_t> indice;
    std::vector<double> lungo(bordo.size(), 0);
    for (size_t k = 0; k < bordo.size(); ++k) {
        indice.emplace(std::make_pair(bordo[k].x, bordo[k].y), k);
        if (k > 0)
            lungo[k] = lungo[k - 1] + std::hypot(bordo[k].x - bordo[k - 1].x, bordo[k].y - bordo[k - 1].y);
    }
    const auto trova = [&](PuntoPiano q) {
        const auto it = indice.find({q.x, q.y});
        return it == indice.end() ? std::optional<size_t>() : std::optional<size_t>(it->second);
    };
    std::vector<PuntoSulBordo> punti;
    const size_t n = contorno.size();
    for (size_t i = 0; i < n; ++i) {
        const PuntoPiano q = contorno[i];
        if (const auto k = trova(q)) {
            punti.push_back({q, lungo[*k], *k, 0, i, true});
            continue;
        }
        // A corner: on a segment next to a neighbour that is an edge point.
        for (const PuntoPiano vicino : {contorno[(i + n - 1) % n], contorno[(i + 1) % n]}) {
            const auto k = trova(vicino);
            if (!k)
                continue;
            bool trovato = false;
            for (const size_t a : {*k > 0 ? *k - 1 : *k, *k}) {
                if (a + 1 >= bordo.size())
                    continue;
                double t = 0;
                if (DistanzaDalSegmento(q, bordo[a], bordo[a + 1], &t) < 1e-6) {
                    punti.push_back({q, lungo[a] + t * (lungo[a + 1] - lungo[a]), a, t, i, false});
                    trovato = true;
                    break;
                }
            }
            if (trovato)
                break;
        }
    }
    return punti;
}

std::vector<Generatrice> GeneratriciNelPezzo(const Blank &blank, const Poligono &contorno, int quante)
{
    // The span of generators both edges of the piece hold, as fractional indices.
    const auto campo = [&](const std::vector<PuntoPiano> &bordo) {
        double da = 1e300, a = -1e300;
        for (const PuntoSulBordo &p : PuntiSulBordo(contorno, bordo)) {
            da = std::min(da, double(p.generatrice) + p.frazione);
            a = std::max(a, double(p.generatrice) + p.frazione);
        }
        return std::make_pair(da, a);
    };
    const auto [baseDa, baseA] = campo(blank.latoAB);
    const auto [cimaDa, cimaA] = campo(blank.latoCD);
    const double da = std::max(baseDa, cimaDa), a = std::min(baseA, cimaA);
    const size_t n = std::min(blank.latoAB.size(), blank.latoCD.size());
    std::vector<Generatrice> scelte;
    if (quante < 2 || n < 2 || a < da)
        return scelte;
    const auto su = [](const std::vector<PuntoPiano> &bordo, size_t k, double t) {
        return t == 0 ? bordo[k]
                      : PuntoPiano{bordo[k].x + t * (bordo[k + 1].x - bordo[k].x),
                                   bordo[k].y + t * (bordo[k + 1].y - bordo[k].y)};
    };
    const double primo = std::ceil(da - 1e-9), ultimo = std::floor(a + 1e-9);
    // A curved edge is sampled finely: its own points, exact, are taken. A straight one may have
    // few, and a generator between two is then exact too.
    const bool interi = ultimo - primo + 1 >= quante;
    double prima = -1;
    for (int i = 0; i < quante; ++i) {
        double g = interi ? primo + std::round((ultimo - primo) * i / (quante - 1)) : da + (a - da) * i / (quante - 1);
        if (g <= prima)
            continue;
        prima = g;
        const size_t k = std::min(size_t(g), n - 1);
        const double t = k + 1 < n ? g - double(k) : 0;
        scelte.push_back({su(blank.latoAB, k, t), su(blank.latoCD, k, t)});
    }
    return scelte;
}
