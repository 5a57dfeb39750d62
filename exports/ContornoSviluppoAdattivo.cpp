// Greedy chords per edge, exact arcs as bulges, and the outline turned counter-clockwise from A.
#include "exports/ContornoSviluppoAdattivo.h"

#include "pieces/ContornoSviluppo.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

double distanza(PuntoPiano a, PuntoPiano b) { return std::hypot(b.x - a.x, b.y - a.y); }

double distanzaDalSegmento(PuntoPiano p, PuntoPiano a, PuntoPiano b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool cordaValida(const std::vector<PuntoPiano> &d, std::size_t i, std::size_t j, double tolleranza)
{
    for (std::size_t k = i + 1; k < j; ++k)
        if (distanzaDalSegmento(d[k], d[i], d[j]) > tolleranza)
            return false;
    return true;
}

// One edge as drawn, in the direction it is travelled: its points and each segment's bulge.
struct Tratto {
    std::vector<PuntoPiano> punti;
    std::vector<double> bulge; // one per segment
    double lunghezza = 0;

    void inverti()
    {
        std::reverse(punti.begin(), punti.end());
        std::reverse(bulge.begin(), bulge.end());
        for (double &b : bulge)
            b = -b;
    }
};

Tratto trattoSpezzato(const std::vector<PuntoPiano> &denso, double tolleranza)
{
    Tratto t;
    t.punti = BordoSemplificato(denso, tolleranza);
    t.bulge.assign(t.punti.empty() ? 0 : t.punti.size() - 1, 0.0);
    for (std::size_t i = 1; i < t.punti.size(); ++i)
        t.lunghezza += distanza(t.punti[i - 1], t.punti[i]);
    return t;
}

// The edge round the apex (the origin) at `raggio`, from its first to its last dense point, in
// arcs of at most a quarter turn: bulges stay small and every reader keeps their precision.
Tratto trattoArco(const std::vector<PuntoPiano> &denso, double raggio)
{
    double ampiezza = 0;
    for (std::size_t i = 1; i < denso.size(); ++i) {
        const PuntoPiano a = denso[i - 1], b = denso[i];
        ampiezza += std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
    }
    const int archi = std::max(1, int(std::ceil(std::fabs(ampiezza) / (k_Pi / 2) - 1e-9)));
    const double passo = ampiezza / archi, inizio = std::atan2(denso.front().y, denso.front().x);
    Tratto t;
    t.punti.push_back(denso.front());
    for (int i = 1; i < archi; ++i)
        t.punti.push_back({raggio * std::cos(inizio + i * passo), raggio * std::sin(inizio + i * passo)});
    t.punti.push_back(denso.back());
    t.bulge.assign(std::size_t(archi), std::tan(passo / 4));
    t.lunghezza = raggio * std::fabs(ampiezza);
    return t;
}

Tratto tratto(const std::vector<PuntoPiano> &bordo, bool arco, double raggio, double tolleranza, bool archi)
{
    const auto denso = SenzaDoppioni(bordo);
    if (archi && arco && denso.size() > 1 && raggio > 0)
        return trattoArco(denso, raggio);
    return trattoSpezzato(denso, tolleranza);
}

double areaConSegno(const std::vector<PuntoPiano> &poligono)
{
    double doppia = 0;
    for (std::size_t i = 0; i < poligono.size(); ++i) {
        const PuntoPiano a = poligono[i], b = poligono[(i + 1) % poligono.size()];
        doppia += a.x * b.y - b.x * a.y;
    }
    return doppia / 2;
}

// Appends a travelled edge; a point on the last one replaces it, the segment leaving it kept.
void accoda(std::vector<VerticeTaglio> &vertici, const Tratto &t)
{
    for (std::size_t i = 0; i < t.punti.size(); ++i) {
        const VerticeTaglio v{t.punti[i], i < t.bulge.size() ? t.bulge[i] : 0.0};
        if (!vertici.empty() && Coincidono(vertici.back().p, v.p))
            vertici.back().bulge = v.bulge;
        else
            vertici.push_back(v);
    }
}
} // namespace

std::vector<PuntoPiano> BordoSemplificato(const std::vector<PuntoPiano> &denso, double tolleranza)
{
    if (denso.size() < 3)
        return denso;
    std::vector<PuntoPiano> scelti{denso.front()};
    const std::size_t ultimo = denso.size() - 1;
    std::size_t i = 0;
    while (i < ultimo) {
        // Doubling steps find a chord that fails, halving narrows down to the farthest that holds;
        // only chords checked whole are kept.
        std::size_t buono = i + 1, passo = 2;
        std::size_t cattivo = ultimo + 1;
        while (i + passo <= ultimo) {
            if (!cordaValida(denso, i, i + passo, tolleranza)) {
                cattivo = i + passo;
                break;
            }
            buono = i + passo;
            passo *= 2;
        }
        if (cattivo > ultimo && buono < ultimo) {
            if (cordaValida(denso, i, ultimo, tolleranza))
                buono = ultimo;
            else
                cattivo = ultimo;
        }
        while (cattivo - buono > 1 && buono < ultimo) {
            const std::size_t medio = buono + (cattivo - buono) / 2;
            (cordaValida(denso, i, medio, tolleranza) ? buono : cattivo) = medio;
        }
        scelti.push_back(denso[buono]);
        i = buono;
    }
    return scelti;
}

ContornoTaglio ContornoAdattivo(const ProfiloSviluppo &profilo, double tolleranza, double scartoDenso, bool archi)
{
    ContornoTaglio c;
    if (profilo.bordoAB.empty() || profilo.bordoCD.empty())
        return c;
    c.A = profilo.bordoAB.front();
    c.B = profilo.bordoAB.back();
    c.C = profilo.bordoCD.front();
    c.D = profilo.bordoCD.back();
    // The dense points lie on the exact edges, their chords within scartoDenso of them.
    const double margine = std::max(tolleranza - scartoDenso, tolleranza / 4);
    c.tolleranza = std::max(tolleranza, margine + scartoDenso);
    Tratto ab = tratto(profilo.bordoAB, profilo.arcoAB, profilo.raggioAB, margine, archi);
    Tratto cd = tratto(profilo.bordoCD, profilo.arcoCD, profilo.raggioCD, margine, archi);
    c.verticiAB = int(ab.punti.size());
    c.verticiCD = int(cd.punti.size());
    c.lunghezzaAB = ab.lunghezza;
    c.lunghezzaCD = cd.lunghezza;
    for (const Tratto *t : {&ab, &cd})
        for (double b : t->bulge)
            c.archi += b != 0;
    // A along AB to B, across the seam to D, back along CD to C; the other way round when that
    // runs clockwise, still from A, so that cutting machines read the inside on the left.
    if (areaConSegno(ContornoChiuso(profilo)) >= 0) {
        cd.inverti();
        accoda(c.vertici, ab);
        accoda(c.vertici, cd);
    } else {
        ab.inverti();
        accoda(c.vertici, {{c.A}, {}, 0});
        accoda(c.vertici, cd);
        accoda(c.vertici, ab);
    }
    while (c.vertici.size() > 1 && Coincidono(c.vertici.front().p, c.vertici.back().p))
        c.vertici.pop_back();
    return c;
}
