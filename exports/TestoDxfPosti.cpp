// A search round each corner for a free place, and the geometry of boxes against the outline.
#include "exports/TestoDxfPosti.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;
// Half a letter's width and height as shares of its height, clearance included: the standard
// font's capitals are narrower than the height.
constexpr double k_MezzaLarghezza = 0.65, k_MezzaAltezza = 0.75;
// How far from the corner the letter may go, in heights, and the turns tried either way.
constexpr double k_Distanze[] = {1.2, 1.6, 2.2, 3, 4, 5.5, 7.5, 10};
constexpr int k_Rotazioni = 9; // of 20 degrees each side

struct Segmento {
    PuntoPiano a, b;
};

// Liang-Barsky: whether the segment has a stretch inside the box.
bool segmentoNelRiquadro(const Segmento &s, const RiquadroTesto &r)
{
    double t0 = 0, t1 = 1;
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.a.x - r.minX, r.maxX - s.a.x, s.a.y - r.minY, r.maxY - s.a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// The segments of the outline that reach within `raggio` of `centro`.
std::vector<Segmento> segmentiVicini(const std::vector<PuntoPiano> &contorno, PuntoPiano centro, double raggio)
{
    const RiquadroTesto zona{centro.x - raggio, centro.y - raggio, centro.x + raggio, centro.y + raggio};
    std::vector<Segmento> vicini;
    for (std::size_t i = 0; i < contorno.size(); ++i) {
        const Segmento s{contorno[i], contorno[(i + 1) % contorno.size()]};
        if (segmentoNelRiquadro(s, zona))
            vicini.push_back(s);
    }
    return vicini;
}

// The direction out of the material at the corner: away from both outline directions that
// leave it, seen from a little way along each.
PuntoPiano fuori(const std::vector<PuntoPiano> &contorno, PuntoPiano angolo, double altezza)
{
    std::size_t piu = 0;
    double minima = INFINITY;
    for (std::size_t i = 0; i < contorno.size(); ++i) {
        const double d = std::hypot(contorno[i].x - angolo.x, contorno[i].y - angolo.y);
        if (d < minima) {
            minima = d;
            piu = i;
        }
    }
    auto verso = [&](int passo) {
        const std::size_t n = contorno.size();
        std::size_t i = piu;
        for (std::size_t k = 0; k < n; ++k) {
            i = std::size_t((long(i) + passo + long(n)) % long(n));
            const double d = std::hypot(contorno[i].x - angolo.x, contorno[i].y - angolo.y);
            if (d >= altezza / 2)
                return PuntoPiano{(contorno[i].x - angolo.x) / d, (contorno[i].y - angolo.y) / d};
        }
        return PuntoPiano{};
    };
    const PuntoPiano u = verso(1), v = verso(-1);
    PuntoPiano o{-(u.x + v.x), -(u.y + v.y)};
    double l = std::hypot(o.x, o.y);
    if (l < 1e-6) {
        o = {-u.y, u.x};
        l = std::hypot(o.x, o.y);
    }
    if (l == 0)
        return {0, -1};
    o = {o.x / l, o.y / l};
    if (DentroPoligono(contorno, {angolo.x + o.x * altezza * 1e-3, angolo.y + o.y * altezza * 1e-3}))
        o = {-o.x, -o.y};
    return o;
}
} // namespace

RiquadroTesto RiquadroDei(const std::vector<PuntoPiano> &punti)
{
    if (punti.empty())
        return {};
    RiquadroTesto r{punti.front().x, punti.front().y, punti.front().x, punti.front().y};
    for (const PuntoPiano &p : punti) {
        r.minX = std::min(r.minX, p.x);
        r.maxX = std::max(r.maxX, p.x);
        r.minY = std::min(r.minY, p.y);
        r.maxY = std::max(r.maxY, p.y);
    }
    return r;
}

RiquadroTesto RiquadroLettera(PuntoPiano c, double altezza)
{
    const double w = k_MezzaLarghezza * altezza, h = k_MezzaAltezza * altezza;
    return {c.x - w, c.y - h, c.x + w, c.y + h};
}

bool DentroPoligono(const std::vector<PuntoPiano> &poligono, PuntoPiano p)
{
    bool dentro = false;
    for (std::size_t i = 0, j = poligono.size() - 1; i < poligono.size(); j = i++) {
        const PuntoPiano a = poligono[i], b = poligono[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            dentro = !dentro;
    }
    return dentro;
}

PuntoPiano PostoLettera(const std::vector<PuntoPiano> &contorno, PuntoPiano angolo, double altezza,
                        const std::vector<RiquadroTesto> &occupati)
{
    if (contorno.size() < 3)
        return {angolo.x, angolo.y - 1.5 * altezza};
    const PuntoPiano o = fuori(contorno, angolo, altezza);
    const double lontano = (std::end(k_Distanze)[-1] + 2) * altezza;
    const std::vector<Segmento> vicini = segmentiVicini(contorno, angolo, lontano);
    for (double distanza : k_Distanze) {
        for (int k = 0; k <= 2 * k_Rotazioni; ++k) {
            // 0, +20, -20, +40, -40 ... degrees from straight out.
            const double giro = (k % 2 ? 1 : -1) * ((k + 1) / 2) * k_Pi / k_Rotazioni;
            const double c = std::cos(giro), s = std::sin(giro);
            const PuntoPiano d{o.x * c - o.y * s, o.x * s + o.y * c};
            const PuntoPiano centro{angolo.x + d.x * distanza * altezza, angolo.y + d.y * distanza * altezza};
            const RiquadroTesto r = RiquadroLettera(centro, altezza);
            const bool libero =
                std::none_of(vicini.begin(), vicini.end(),
                             [&](const Segmento &seg) { return segmentoNelRiquadro(seg, r); }) &&
                std::none_of(occupati.begin(), occupati.end(), [&](const RiquadroTesto &q) { return q.tocca(r); });
            if (libero && !DentroPoligono(contorno, centro))
                return centro;
        }
    }
    return {angolo.x + o.x * lontano, angolo.y + o.y * lontano};
}
