// Right circular cone or cylinder in space, with the depth axis y out of the projection plane x-z.
#include "tests/geometry/Solido3D.h"

#include <cmath>

namespace {
using V = Solido3D::Vettore;
constexpr double k_Pi = 3.14159265358979323846;
constexpr double k_PiGreco = 3.14159265359;

V Piu(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V Meno(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V Per(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
double Scalare(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V Unitario(V a) { return Per(1.0 / std::sqrt(Scalare(a, a)), a); }
// Normal of the plane that stands on the projected line p1-p2, square to the projection plane.
V NormalePiano(V p1, V p2) { return {-(p2.z - p1.z), 0, p2.x - p1.x}; }
const V k_Profondita{0, 1, 0};
} // namespace

Solido3D::Solido3D(const Figure &f, double scostamento)
{
    const double ac = f.AC.toDouble(), ab = f.AB.toDouble(), bd = f.BD.toDouble();
    // Degrees mean what the program makes of them: times 3.14159265359 / 180. With the exact
    // pi a cone that is nearly a cylinder would move its apex by micrometres.
    const double alfa = f.Alfa.toDouble() * k_PiGreco / 180, beta = f.Beta.toDouble() * k_PiGreco / 180;
    const bool suAC = f.ChiudiAC == QLatin1String("T");
    m_A = {0, 0, 0};
    m_B = {ab, 0, 0};
    const V versoAC{std::cos(alfa), 0, std::sin(alfa)};
    const V versoBD{-std::cos(beta), 0, std::sin(beta)};
    m_C = Piu(m_A, Per(ac, versoAC));
    m_D = Piu(m_B, Per(bd, versoBD));
    const double det = versoAC.z * versoBD.x - versoAC.x * versoBD.z;
    m_cono = std::fabs(det) > 1e-9;
    if (m_cono) {
        // A + t versoAC = B + u versoBD, solved by Cramer's rule.
        const V ba = Meno(m_B, m_A);
        const double t = (ba.z * versoBD.x - ba.x * versoBD.z) / det;
        m_vertice = Piu(m_A, Per(t, versoAC));
        const V versoA = Unitario(Meno(m_A, m_vertice));
        const V versoB = Unitario(Meno(m_B, m_vertice));
        m_asse = Unitario(Piu(versoA, versoB));
        // atan2, not acos: near a cylinder the cosine is 1 to within 1e-7 and acos would keep
        // only half the digits of the half angle.
        const V laterale = Meno(versoA, Per(Scalare(versoA, m_asse), m_asse));
        m_theta = std::atan2(std::sqrt(Scalare(laterale, laterale)), Scalare(versoA, m_asse));
        const V lato = suAC ? versoA : versoB;
        m_normale = Unitario(Meno(lato, Per(Scalare(lato, m_asse), m_asse)));
    } else {
        m_asse = versoAC;
        const V ba = Meno(m_B, m_A);
        const V versoB = Unitario(Meno(ba, Per(Scalare(ba, m_asse), m_asse)));
        m_raggio = Scalare(ba, versoB) / 2;
        // The closing generator stands at phi 0: the normal points from it to the axis.
        m_normale = suAC ? versoB : Per(-1, versoB);
        m_vertice = suAC ? m_A : Piu(m_A, Per(2 * m_raggio, versoB)); // a point of the seam's generator
    }
    if (scostamento == 0)
        return;
    if (m_cono) {
        // The surface square to the mantle at that depth is the cone with its apex moved down the axis.
        m_vertice = Piu(m_vertice, Per(scostamento / std::sin(m_theta), m_asse));
        return;
    }
    m_raggio -= scostamento;
    m_vertice = Piu(m_vertice, Per(scostamento, m_normale));
    // Lengths are measured from the level where this surface's generator on AC meets the top cut.
    const double phiAC = suAC ? 0 : k_Pi;
    const V piede = Piede(phiAC);
    const V n = NormalePiano(m_C, m_D);
    m_C = Piu(piede, Per(Scalare(n, Meno(m_C, piede)) / Scalare(n, m_asse), m_asse));
}

double Solido3D::PhiDelPunto(int k, int n) { return (k <= n ? k - 1 : k - 2) * k_Pi / (n - 1); }

Solido3D::Vettore Solido3D::Piede(double phi) const
{
    if (m_cono)
        return m_vertice;
    const V centro = Piu(m_vertice, Per(m_raggio, m_normale));
    return Piu(centro, Piu(Per(-m_raggio * std::cos(phi), m_normale), Per(m_raggio * std::sin(phi), k_Profondita)));
}

Solido3D::Vettore Solido3D::Direzione(double phi) const
{
    if (!m_cono)
        return m_asse;
    const V giro = Piu(Per(std::cos(phi), m_normale), Per(std::sin(phi), k_Profondita));
    return Piu(Per(std::cos(m_theta), m_asse), Per(std::sin(m_theta), giro));
}

double Solido3D::Taglio(const Vettore &p1, const Vettore &p2, double phi) const
{
    const V piede = Piede(phi);
    const V d = Direzione(phi);
    const V n = NormalePiano(p1, p2);
    const double t = Scalare(n, Meno(p1, piede)) / Scalare(n, d);
    return m_cono ? t : Scalare(Meno(m_C, piede), m_asse) - t;
}

double Solido3D::TaglioAB(double phi) const { return Taglio(m_A, m_B, phi); }
double Solido3D::TaglioCD(double phi) const { return Taglio(m_C, m_D, phi); }
