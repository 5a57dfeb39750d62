// The oblique cone developed exactly: each generator placed by its true length and by the angle
// its base point turns through as seen from the apex, integrated along the base.
#include "geometry/ConoObliquo.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;
// Past this distance from the apex (mm) a sector would lose the micrometre in its coordinates.
constexpr double k_ApiceLontano = 1e9;
// Gauss-Kronrod's error estimate does not fall below a few ulps of the integrand, whatever the
// interval: on the shortest steps a tighter tolerance would only split them for ever. The
// integral is far more accurate than this bound on its estimate.
constexpr unsigned k_ProfonditaMassima = 10;
constexpr double k_TolleranzaRelativa = 1e-10;

double Integra(const std::function<double(double)> &f, double a, double b)
{
    return boost::math::quadrature::gauss_kronrod<double, 15>::integrate(f, a, b, k_ProfonditaMassima,
                                                                         k_TolleranzaRelativa);
}

double Quadrato(double x) { return x * x; }

// The developed coordinate at each base angle, accumulated interval by interval.
std::vector<double> Cumulato(const std::function<double(double)> &f, const std::vector<double> &teta)
{
    std::vector<double> somma(teta.size(), 0.0);
    for (std::size_t i = 1; i < teta.size(); ++i)
        somma[i] = somma[i - 1] + Integra(f, teta[i - 1], teta[i]);
    return somma;
}

// The cone in a frame at the seam's base end, so that an apex far away costs no precision:
// rho - rho0 and rho0 (1 - cos phi) are computed without cancelling.
void PosaCono(const ConoObliquo &c, SviluppoObliquo &sviluppo, const std::vector<double> &teta)
{
    const Vettore3 V = Apice(c);
    // k - 1 from the diameters' difference: rounded from k it would lose the seam's length on a
    // cone so nearly a cylinder that its apex lies millions of kilometres away.
    const double r1 = c.D1 / 2, k = c.D2 / c.D1, kMenoUno = (c.D2 - c.D1) / c.D1;
    const double fisso = r1 * r1 + V.x * V.x + V.z * V.z;
    auto rho = [&](double t) { return std::sqrt(fisso - 2 * r1 * V.x * std::cos(t)); };
    const std::vector<double> phi = Cumulato(
        [&](double t) {
            const Vettore3 w = PuntoBase(c, t) - V;
            return Modulo(Vettoriale(w, DerivataBase(c, t))) / Scalare(w, w);
        },
        teta);
    const double rho0 = rho(teta.front());
    sviluppo.settore = std::max(rho(0), rho(k_Pi)) < k_ApiceLontano;
    const double origine = sviluppo.settore ? rho0 : 0;
    for (std::size_t i = 0; i < teta.size(); ++i) {
        GeneratoreSviluppato &g = sviluppo.generatori[i];
        const double r = rho(teta[i]);
        const double dr = -2 * r1 * V.x * (std::cos(teta[i]) - std::cos(teta.front())) / (r + rho0);
        const double corda = 2 * rho0 * Quadrato(std::sin(phi[i] / 2));
        g.sviluppo = phi[i];
        g.ab = {dr * std::cos(phi[i]) - corda + origine, r * std::sin(phi[i])};
        g.cd = {(dr + kMenoUno * (dr + rho0)) * std::cos(phi[i]) - corda + origine, k * r * std::sin(phi[i])};
    }
}

// The cylinder unrolled along its section square to the generators: x the length of that
// section, y the position along the generator.
void PosaCilindro(const ConoObliquo &c, SviluppoObliquo &sviluppo, const std::vector<double> &teta)
{
    const Vettore3 asse = PuntoCima(c, 0) - PuntoBase(c, 0);
    const double l = Modulo(asse);
    const Vettore3 d = (1 / l) * asse;
    const std::vector<double> x = Cumulato([&](double t) { return Modulo(Vettoriale(DerivataBase(c, t), d)); }, teta);
    const Vettore3 p0 = PuntoBase(c, teta.front());
    for (std::size_t i = 0; i < teta.size(); ++i) {
        GeneratoreSviluppato &g = sviluppo.generatori[i];
        const double y = Scalare(PuntoBase(c, teta[i]) - p0, d);
        g.sviluppo = x[i];
        g.ab = {x[i], y};
        g.cd = {x[i], y + l};
    }
}

bool Finito(const GeneratoreSviluppato &g)
{
    return std::isfinite(g.lunghezza) && std::isfinite(g.ab.x) && std::isfinite(g.ab.y) && std::isfinite(g.cd.x) &&
           std::isfinite(g.cd.y);
}
} // namespace

Vettore3 PuntoBase(const ConoObliquo &c, double teta)
{
    return {c.D1 / 2 * std::cos(teta), c.D1 / 2 * std::sin(teta), 0};
}

Vettore3 PuntoCima(const ConoObliquo &c, double teta)
{
    return {c.Scostamento + c.D2 / 2 * std::cos(teta), c.D2 / 2 * std::sin(teta), c.H};
}

Vettore3 DerivataBase(const ConoObliquo &c, double teta)
{
    return {-c.D1 / 2 * std::sin(teta), c.D1 / 2 * std::cos(teta), 0};
}

Vettore3 DerivataSecondaBase(const ConoObliquo &c, double teta)
{
    return {-c.D1 / 2 * std::cos(teta), -c.D1 / 2 * std::sin(teta), 0};
}

Vettore3 Apice(const ConoObliquo &c)
{
    // Every generator P + s (Q - P) passes through it: s is where the radius reaches zero.
    const double s = c.D1 / (c.D1 - c.D2);
    return {s * c.Scostamento, 0, s * c.H};
}

double AreaConoObliquo(const ConoObliquo &c)
{
    // Between P and Q = P + w, a cone's strip narrows in the ratio of the ends along w, a
    // cylinder's does not: dA = (1 + k) / 2 |P' x w| dteta.
    const double k = c.D2 / c.D1;
    const auto striscia = [&](double t) {
        return (1 + k) / 2 * Modulo(Vettoriale(DerivataBase(c, t), PuntoCima(c, t) - PuntoBase(c, t)));
    };
    return Integra(striscia, 0, k_Pi) + Integra(striscia, k_Pi, 2 * k_Pi);
}

double AngoloCucitura(const ConoObliquo &c, const Cucitura &cucitura)
{
    if (cucitura.tipo == TipoCucitura::Angolo)
        return cucitura.gradi * k_Pi / 180;
    // |Q - P|² = e² + 2 e (r2 - r1) cos(teta) + (r2 - r1)² + H²: the shortest where e (r1 - r2) cos(teta) is largest.
    const bool cortaAZero = c.Scostamento * (c.D1 - c.D2) >= 0;
    return cortaAZero == (cucitura.tipo == TipoCucitura::Corta) ? 0 : k_Pi;
}

SviluppoObliquo SviluppaConoObliquo(const ConoObliquo &c, double teta0, int punti)
{
    const int n = std::max(punti, 2);
    std::vector<double> teta(std::size_t(n), 0.0);
    for (int i = 0; i < n; ++i)
        teta[std::size_t(i)] = teta0 + 2 * k_Pi * i / (n - 1);
    SviluppoObliquo sviluppo;
    sviluppo.cono = !CilindroObliquo(c);
    sviluppo.generatori.resize(teta.size());
    for (std::size_t i = 0; i < teta.size(); ++i) {
        sviluppo.generatori[i].teta = teta[i];
        sviluppo.generatori[i].lunghezza = Modulo(PuntoCima(c, teta[i]) - PuntoBase(c, teta[i]));
    }
    if (sviluppo.cono)
        PosaCono(c, sviluppo, teta);
    else
        PosaCilindro(c, sviluppo, teta);
    if (!std::all_of(sviluppo.generatori.begin(), sviluppo.generatori.end(), Finito))
        sviluppo.generatori.clear();
    return sviluppo;
}

RigaGeneratore RigaDelGeneratore(const GeneratoreSviluppato &g, bool cono)
{
    double gradi = std::fmod(g.teta * 180 / k_Pi, 360.0);
    if (gradi < 0)
        gradi += 360;
    return {gradi, g.lunghezza, cono ? g.sviluppo * 180 / k_Pi : g.sviluppo};
}

std::vector<RigaGeneratore> TabellaGeneratori(const ConoObliquo &c, double teta0, int n)
{
    const SviluppoObliquo sviluppo = SviluppaConoObliquo(c, teta0, std::max(n, 1) + 1);
    std::vector<RigaGeneratore> righe;
    for (std::size_t i = 0; i + 1 < sviluppo.generatori.size(); ++i)
        righe.push_back(RigaDelGeneratore(sviluppo.generatori[i], sviluppo.cono));
    return righe;
}
