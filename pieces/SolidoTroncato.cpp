// Closed forms of the truncated solid: where the generators meet the cuts, the end sections, the area.
#include "pieces/SolidoTroncato.h"

#include "geometry/Lamiera.h"
#include "geometry/ValidaDati.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/special_functions/ellint_2.hpp>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
std::optional<FigureOfficina> FigureDellaProiezione(const FigureSviluppo &f)
{
    // The projection as the validation reads it, on the typed surface: no plate to move it.
    StatoSviluppo s;
    static_cast<FigureSviluppo &>(s) = f;
    s.TestoSpessore = QString();
    ValidaDati(s);
    if (s.ErroreDati != 0)
        return std::nullopt;
    return OfficinaDaProiezione({s.LatoAC, s.BaseAB, s.LatoBD, s.Alfa, s.Beta});
}

// Axes equal within this fraction: a circle (a projection typed by texts leaves a trace of a cut).
constexpr double k_TolleranzaCerchio = 1e-9;
} // namespace

SolidoTroncato::SolidoTroncato(const FigureOfficina &f)
    : m_a(f.D1 / 2),
      m_b((f.D2 - f.D1) / (2 * f.H)),
      m_H(f.H),
      m_t1(std::tan(qDegreesToRadians(f.Taglio1))),
      m_t2(std::tan(qDegreesToRadians(f.Taglio2)))
{
}

double SolidoTroncato::Quota(int taglio, double c) const
{
    // z = z0 + x t with x = r(z) c, solved for z.
    const double t = taglio == 1 ? m_t1 : m_t2, z0 = taglio == 1 ? 0 : m_H;
    return (z0 + m_a * c * t) / (1 - m_b * c * t);
}

double SolidoTroncato::DalVertice(int taglio, double c) const
{
    return std::fabs(Quota(taglio, c) + m_a / m_b) * std::sqrt(1 + m_b * m_b);
}

double SolidoTroncato::Generatrice(double c) const { return (Quota(2, c) - Quota(1, c)) * std::sqrt(1 + m_b * m_b); }

double SolidoTroncato::SenoSemiApertura() const { return std::fabs(m_b) / std::sqrt(1 + m_b * m_b); }

SolidoTroncato::Sezione SolidoTroncato::SezioneTaglio(int taglio) const
{
    // The corners at theta = pi and 0 span the axis in the drawing plane; the other axis crosses
    // the solid square to that plane at their midpoint M.
    const double zA = Quota(taglio, -1), zB = Quota(taglio, 1);
    const double xA = -Raggio(zA), xB = Raggio(zB);
    const double xM = (xA + xB) / 2, zM = (zA + zB) / 2;
    Sezione s;
    s.asseNelPiano = std::hypot(xB - xA, zB - zA);
    s.asseTrasversale = 2 * std::sqrt(std::max(0.0, Raggio(zM) * Raggio(zM) - xM * xM));
    const double maggiore = std::max(s.asseNelPiano, s.asseTrasversale) / 2;
    const double minore = std::min(s.asseNelPiano, s.asseTrasversale) / 2;
    s.circolare = maggiore - minore <= k_TolleranzaCerchio * maggiore;
    if (s.circolare) {
        s.perimetro = 2 * M_PI * maggiore;
    } else {
        const double e = std::sqrt(1 - (minore / maggiore) * (minore / maggiore));
        s.perimetro = 4 * maggiore * boost::math::ellint_2(e);
    }
    return s;
}

double SolidoTroncato::Area() const
{
    // dA = r(z) sqrt(1 + b²) dz dtheta; along each generator the z integral is closed.
    const auto primitiva = [this](double z) { return m_a * z + m_b * z * z / 2; };
    const auto fascia = [&](double theta) {
        const double c = std::cos(theta);
        return primitiva(Quota(2, c)) - primitiva(Quota(1, c));
    };
    // Symmetric about the drawing plane: twice the half from 0 to pi.
    const double meta = boost::math::quadrature::gauss_kronrod<double, 61>::integrate(fascia, 0.0, M_PI, 15, 1e-14);
    return 2 * meta * std::sqrt(1 + m_b * m_b);
}

std::optional<FigureOfficina> FigureDelLavoro(const FigureSviluppo &f, bool cono)
{
    std::optional<FigureOfficina> figure = f.Officina ? f.Officina : FigureDellaProiezione(f);
    if (figure && !cono)
        figure->D1 = figure->D2 = (figure->D1 + figure->D2) / 2;
    return figure;
}

FigureOfficina FigureMedie(const FigureSviluppo &f, const FigureOfficina &digitate)
{
    // The sides move square to themselves: a diameter square to the axis moves by 1 / cos of
    // the half angle as much.
    const double spostamento = 2 * ScostamentoFibraMedia(f) / std::cos(qDegreesToRadians(SemiAperturaGradi(digitate)));
    FigureOfficina medie = digitate;
    medie.D1 -= spostamento;
    medie.D2 -= spostamento;
    return medie;
}
