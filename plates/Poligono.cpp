// Plane outlines: area, half-plane cuts, distances.
#include "plates/Poligono.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
double prodotto(PuntoPiano a, PuntoPiano b) { return a.x * b.x + a.y * b.y; }
double vettoriale(PuntoPiano a, PuntoPiano b) { return a.x * b.y - a.y * b.x; }
PuntoPiano meno(PuntoPiano a, PuntoPiano b) { return {a.x - b.x, a.y - b.y}; }

bool siIncrociano(PuntoPiano a, PuntoPiano b, PuntoPiano c, PuntoPiano d)
{
    const double d1 = vettoriale(meno(b, a), meno(c, a)), d2 = vettoriale(meno(b, a), meno(d, a));
    const double d3 = vettoriale(meno(d, c), meno(a, c)), d4 = vettoriale(meno(d, c), meno(b, c));
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

double distanzaSegmenti(PuntoPiano a, PuntoPiano b, PuntoPiano c, PuntoPiano d)
{
    if (siIncrociano(a, b, c, d))
        return 0;
    return std::min({DistanzaDalSegmento(a, c, d), DistanzaDalSegmento(b, c, d), DistanzaDalSegmento(c, a, b),
                     DistanzaDalSegmento(d, a, b)});
}

void semplifica(const Poligono &p, size_t da, size_t a, double tolleranza, std::vector<bool> &tieni)
{
    double massima = -1;
    size_t indice = da;
    for (size_t i = da + 1; i < a; ++i)
        if (const double d = DistanzaDalSegmento(p[i], p[da], p[a]); d > massima) {
            massima = d;
            indice = i;
        }
    if (massima > tolleranza) {
        tieni[indice] = true;
        semplifica(p, da, indice, tolleranza, tieni);
        semplifica(p, indice, a, tolleranza, tieni);
    }
}
} // namespace

double DistanzaDalSegmento(PuntoPiano p, PuntoPiano a, PuntoPiano b, double *t)
{
    const PuntoPiano ab = meno(b, a), ap = meno(p, a);
    const double l2 = prodotto(ab, ab);
    const double u = l2 > 0 ? std::clamp(prodotto(ap, ab) / l2, 0.0, 1.0) : 0.0;
    if (t)
        *t = u;
    return std::hypot(ap.x - u * ab.x, ap.y - u * ab.y);
}

double AreaConSegno(const Poligono &p)
{
    double doppia = 0;
    for (size_t i = 0; i < p.size(); ++i)
        doppia += vettoriale(p[i], p[(i + 1) % p.size()]);
    return doppia / 2;
}

double Perimetro(const Poligono &p)
{
    double somma = 0;
    for (size_t i = 0; i < p.size(); ++i)
        somma += std::hypot(p[(i + 1) % p.size()].x - p[i].x, p[(i + 1) % p.size()].y - p[i].y);
    return somma;
}

Poligono TagliaSemipiano(const Poligono &p, PuntoPiano punto, PuntoPiano normale, double scostamento)
{
    Poligono tagliato;
    const auto lato = [&](PuntoPiano q) { return prodotto(meno(q, punto), normale) - scostamento; };
    for (size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano a = p[i], b = p[(i + 1) % p.size()];
        const double la = lato(a), lb = lato(b);
        if (la >= 0)
            tagliato.push_back(a);
        if ((la >= 0) != (lb >= 0)) {
            const double t = la / (la - lb);
            tagliato.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return tagliato;
}

double CordaInterna(const Poligono &p, PuntoPiano punto, PuntoPiano direzione)
{
    // Where the outline crosses the line, as distances along it; inside between each pair.
    const PuntoPiano normale{-direzione.y, direzione.x};
    std::vector<double> passaggi;
    for (size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano a = p[i], b = p[(i + 1) % p.size()];
        const double la = prodotto(meno(a, punto), normale), lb = prodotto(meno(b, punto), normale);
        if ((la >= 0) != (lb >= 0)) {
            const double t = la / (la - lb);
            passaggi.push_back(prodotto(meno({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}, punto), direzione));
        }
    }
    std::sort(passaggi.begin(), passaggi.end());
    double lunghezza = 0;
    for (size_t i = 0; i + 1 < passaggi.size(); i += 2)
        lunghezza += passaggi[i + 1] - passaggi[i];
    return lunghezza;
}

Riquadro RiquadroDi(const Poligono &p)
{
    Riquadro r{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
               std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const PuntoPiano &q : p) {
        r.minX = std::min(r.minX, q.x);
        r.minY = std::min(r.minY, q.y);
        r.maxX = std::max(r.maxX, q.x);
        r.maxY = std::max(r.maxY, q.y);
    }
    return r;
}

Poligono Posiziona(const Poligono &p, double angolo, double dx, double dy)
{
    const double c = std::cos(angolo), s = std::sin(angolo);
    Poligono posto;
    posto.reserve(p.size());
    for (const PuntoPiano &q : p)
        posto.push_back({c * q.x - s * q.y + dx, s * q.x + c * q.y + dy});
    return posto;
}

Poligono Semplifica(const Poligono &p, double tolleranza)
{
    if (p.size() < 4)
        return p;
    // The farthest vertex from the first splits the closed outline into two open runs.
    size_t lontano = 0;
    for (size_t i = 1; i < p.size(); ++i)
        if (std::hypot(p[i].x - p[0].x, p[i].y - p[0].y) > std::hypot(p[lontano].x - p[0].x, p[lontano].y - p[0].y))
            lontano = i;
    Poligono chiuso = p;
    chiuso.push_back(p[0]);
    std::vector<bool> tieni(chiuso.size(), false);
    tieni[0] = tieni[lontano] = true;
    semplifica(chiuso, 0, lontano, tolleranza, tieni);
    semplifica(chiuso, lontano, chiuso.size() - 1, tolleranza, tieni);
    Poligono semplice;
    for (size_t i = 0; i < p.size(); ++i)
        if (tieni[i])
            semplice.push_back(p[i]);
    return semplice;
}

bool Contiene(const Poligono &p, PuntoPiano q)
{
    bool dentro = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        if ((p[i].y > q.y) != (p[j].y > q.y) && q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            dentro = !dentro;
    return dentro;
}

double DistanzaPoligoni(const Poligono &a, const Poligono &b)
{
    if (a.empty() || b.empty())
        return std::numeric_limits<double>::max();
    if (Contiene(a, b[0]) || Contiene(b, a[0]))
        return 0;
    double minima = std::numeric_limits<double>::max();
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) {
            minima = std::min(minima, distanzaSegmenti(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()]));
            if (minima == 0)
                return 0;
        }
    return minima;
}

bool PiuViciniDi(const Poligono &a, const Poligono &b, double distanza)
{
    if (a.empty() || b.empty())
        return false;
    if (Contiene(a, b[0]) || Contiene(b, a[0]))
        return true;
    for (size_t j = 0; j < b.size(); ++j) {
        const PuntoPiano c = b[j], d = b[(j + 1) % b.size()];
        const double minX = std::min(c.x, d.x) - distanza, maxX = std::max(c.x, d.x) + distanza;
        const double minY = std::min(c.y, d.y) - distanza, maxY = std::max(c.y, d.y) + distanza;
        for (size_t i = 0; i < a.size(); ++i) {
            const PuntoPiano p = a[i], q = a[(i + 1) % a.size()];
            // Sides whose boxes stay apart by the distance cannot come closer.
            if (std::max(p.x, q.x) < minX || std::min(p.x, q.x) > maxX || std::max(p.y, q.y) < minY ||
                std::min(p.y, q.y) > maxY)
                continue;
            if (distanzaSegmenti(p, q, c, d) < distanza)
                return true;
        }
    }
    return false;
}
