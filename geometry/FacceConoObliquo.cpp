// The plate's faces of an oblique cone, measured on the mean surface's generators.
#include "geometry/FacceConoObliquo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {
constexpr double k_Pi = 3.14159265358979323846;
constexpr int k_Generatori = 3600;
constexpr int k_Direzioni = 360;
constexpr int k_IterazioniMedia = 3;
constexpr int k_GeneratoriMedia = 720; // the extrapolated length is exact to far below the micrometre

double Teta(int i) { return 2 * k_Pi * i / k_Generatori; }

// Along the generator at `teta`, towards the top: from the apex, or the cylinder's axis.
Vettore3 Direzione(const ConoObliquo &c, double teta)
{
    return CilindroObliquo(c) ? PuntoCima(c, teta) - PuntoBase(c, teta) : PuntoBase(c, teta) - Apice(c);
}

// The surface's normal along the generator at `teta`, away from the axis.
Vettore3 NormaleEsterna(const ConoObliquo &c, double teta)
{
    const Vettore3 p = PuntoBase(c, teta);
    Vettore3 n = Vettoriale(Direzione(c, teta), DerivataBase(c, teta));
    n = (1 / Modulo(n)) * n;
    return n.x * p.x + n.y * p.y >= 0 ? n : -1.0 * n;
}

// The ends of the face `scostamento` mm outside the surface `c` (inside when negative), over `n`
// generators. Its generators are the surface's moved square to it: along one of them the
// surface's normal does not change.
struct EstremiFaccia {
    std::vector<Vettore3> base, cima;
};
EstremiFaccia Faccia(const ConoObliquo &c, double scostamento, int n)
{
    EstremiFaccia f;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * k_Pi * i / n;
        const Vettore3 spostamento = scostamento * NormaleEsterna(c, t);
        const Vettore3 g = PuntoCima(c, t) - PuntoBase(c, t);
        const Vettore3 rientro = (-spostamento.z / g.z) * g;
        f.base.push_back(PuntoBase(c, t) + spostamento + rientro);
        f.cima.push_back(PuntoCima(c, t) + spostamento + rientro);
    }
    return f;
}

double Poligono(const std::vector<Vettore3> &punti, std::size_t passo)
{
    double somma = 0;
    for (std::size_t i = 0; i < punti.size(); i += passo)
        somma += Modulo(punti[(i + passo) % punti.size()] - punti[i]);
    return somma;
}

// A closed curve's length: its polygon on every point and on every other, extrapolated.
double Perimetro(const std::vector<Vettore3> &punti) { return (4 * Poligono(punti, 1) - Poligono(punti, 2)) / 3; }

Ovalizzazione Calibro(const std::vector<Vettore3> &punti)
{
    Ovalizzazione o{0, std::numeric_limits<double>::infinity()};
    for (int j = 0; j < k_Direzioni; ++j) {
        const double a = k_Pi * j / k_Direzioni;
        const Vettore3 u{std::cos(a), std::sin(a), 0};
        double minimo = std::numeric_limits<double>::infinity(), massimo = -minimo;
        for (const Vettore3 &p : punti) {
            minimo = std::min(minimo, Scalare(p, u));
            massimo = std::max(massimo, Scalare(p, u));
        }
        o.diametroMassimo = std::max(o.diametroMassimo, massimo - minimo);
        o.diametroMinimo = std::min(o.diametroMinimo, massimo - minimo);
    }
    return o;
}
} // namespace

ConoObliquo SuperficieMedia(const ConoObliquo &c)
{
    ConoObliquo media = c;
    media.Spessore = 0;
    if (!(c.Spessore > 0) || c.Quote == QuoteLamiera::Medie)
        return media;
    const double verso = c.Quote == QuoteLamiera::Esterne ? 1 : -1;
    media.D1 -= verso * c.Spessore;
    media.D2 -= verso * c.Spessore;
    // The face's length grows with the mean diameter almost one for one: a few corrections close it.
    for (int i = 0; i < k_IterazioniMedia; ++i) {
        const EstremiFaccia f = Faccia(media, verso * c.Spessore / 2, k_GeneratoriMedia);
        media.D1 += c.D1 - Perimetro(f.base) / k_Pi;
        media.D2 += c.D2 - Perimetro(f.cima) / k_Pi;
    }
    // A cylinder's two ends are alike: rounding must not make it a cone.
    if (CilindroObliquo(c))
        media.D2 = media.D1;
    return media;
}

OvalizzazioneFacce OvalizzazioneFacciaEsterna(const ConoObliquo &c)
{
    const EstremiFaccia f = Faccia(SuperficieMedia(c), c.Spessore / 2, k_Generatori);
    return {Calibro(f.base), Calibro(f.cima)};
}

double RaggioTrasversale(const ConoObliquo &c, double teta, bool cima)
{
    // At distance r from the apex along direction w: r |w x P'|³ / (|det(w, P', P'')| |w|³), which
    // for the cylinder (w its unit axis, r = |w|) is the radius of the section square to it.
    const double rapporto = CilindroObliquo(c) || !cima ? 1 : c.D2 / c.D1;
    Vettore3 w = Direzione(c, teta);
    if (CilindroObliquo(c))
        w = (1 / Modulo(w)) * w;
    const Vettore3 wxp = Vettoriale(w, DerivataBase(c, teta));
    const double det = std::fabs(Scalare(wxp, DerivataSecondaBase(c, teta)));
    const double m = Modulo(wxp), l = Modulo(w);
    return rapporto * m * m * m / (det * l * l);
}

double RaggioCurvaturaMinimo(const ConoObliquo &c)
{
    const bool cima = !CilindroObliquo(c) && c.D2 < c.D1;
    double minimo = std::numeric_limits<double>::infinity();
    for (int i = 0; i < k_Generatori; ++i)
        minimo = std::min(minimo, RaggioTrasversale(c, Teta(i), cima));
    return minimo;
}
