// Monotone chain hull and rotating calipers.
#include "pieces/RettangoloMinimo.h"

#include <algorithm>
#include <cmath>

namespace {
double vettoriale(PuntoPiano o, PuntoPiano a, PuntoPiano b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}
double scalare(PuntoPiano p, double ux, double uy) { return p.x * ux + p.y * uy; }
} // namespace

std::vector<PuntoPiano> InvolucroConvesso(std::vector<PuntoPiano> punti)
{
    std::sort(punti.begin(), punti.end(),
              [](PuntoPiano a, PuntoPiano b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (punti.size() < 3)
        return punti;
    std::vector<PuntoPiano> involucro(2 * punti.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < punti.size(); ++i) {
        while (k >= 2 && vettoriale(involucro[k - 2], involucro[k - 1], punti[i]) <= 0)
            --k;
        involucro[k++] = punti[i];
    }
    for (std::size_t i = punti.size() - 1, inferiore = k + 1; i-- > 0;) {
        while (k >= inferiore && vettoriale(involucro[k - 2], involucro[k - 1], punti[i]) <= 0)
            --k;
        involucro[k++] = punti[i];
    }
    involucro.resize(k - 1);
    return involucro;
}

RettangoloMinimo RettangoloMinimoDi(const std::vector<PuntoPiano> &punti)
{
    const std::vector<PuntoPiano> h = InvolucroConvesso(punti);
    const std::size_t n = h.size();
    RettangoloMinimo migliore;
    if (n < 3)
        return migliore;
    double areaMinima = INFINITY;
    // j: farthest along the side, k: farthest from it, l: farthest back; each only moves forward.
    std::size_t j = 1, k = 1, l = 1;
    for (std::size_t i = 0; i < n; ++i) {
        const PuntoPiano a = h[i], b = h[(i + 1) % n];
        const double lato = std::hypot(b.x - a.x, b.y - a.y);
        const double ux = (b.x - a.x) / lato, uy = (b.y - a.y) / lato;
        const double vx = -uy, vy = ux; // inwards, the hull being counter-clockwise
        if (i == 0)
            j = k = l = 1;
        while (scalare(h[(j + 1) % n], ux, uy) >= scalare(h[j % n], ux, uy) && (j + 1) % n != i)
            j = (j + 1) % n;
        if (i == 0)
            k = j;
        while (scalare(h[(k + 1) % n], vx, vy) >= scalare(h[k % n], vx, vy) && (k + 1) % n != i)
            k = (k + 1) % n;
        if (i == 0)
            l = k;
        while (scalare(h[(l + 1) % n], ux, uy) <= scalare(h[l % n], ux, uy) && (l + 1) % n != i)
            l = (l + 1) % n;
        const double minU = scalare(h[l], ux, uy), maxU = scalare(h[j], ux, uy);
        const double minV = scalare(a, vx, vy), maxV = scalare(h[k], vx, vy);
        const double area = (maxU - minU) * (maxV - minV);
        if (area < areaMinima) {
            areaMinima = area;
            const bool lungo = maxU - minU >= maxV - minV;
            migliore.larghezza = lungo ? maxU - minU : maxV - minV;
            migliore.altezza = lungo ? maxV - minV : maxU - minU;
            migliore.angolo = lungo ? std::atan2(uy, ux) : std::atan2(vy, vx);
            migliore.origine = {minU * ux + minV * vx, minU * uy + minV * vy};
        }
    }
    return migliore;
}
