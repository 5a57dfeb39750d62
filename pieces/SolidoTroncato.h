// The mean surface of a truncated cone or cylinder in space, where the blank lies before rolling.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <optional>

// Axis z, O1 at the origin; radius r(z) = a + b z. The base cut is the plane z = x tan(Taglio1),
// the top cut z = H + x tan(Taglio2): A and C lie at x < 0 (around the axis: theta = pi), B and
// D at x > 0 (theta = 0).
class SolidoTroncato {
public:
    explicit SolidoTroncato(const FigureOfficina &medie);

    bool Cono() const { return m_b != 0; }
    double Raggio(double z) const { return m_a + m_b * z; }
    // Where the generator at cos(theta) = `c` meets the base cut (1) or the top cut (2).
    double Quota(int taglio, double c) const;
    // Its distance from the apex (cone only), along the generator.
    double DalVertice(int taglio, double c) const;
    // The length of that generator between the cuts.
    double Generatrice(double c) const;
    // sin of the half angle: the developed angle is the angle around the axis times this.
    double SenoSemiApertura() const;

    // The section by a cut: its axes in the drawing plane and square to it (mm), and its perimeter.
    struct Sezione {
        double asseNelPiano = 0, asseTrasversale = 0;
        bool circolare = false;
        double perimetro = 0;
    };
    Sezione SezioneTaglio(int taglio) const;

    // The mantle's area between the cuts (mm²), by quadrature of its surface element.
    double Area() const;

private:
    double m_a, m_b, m_H, m_t1, m_t2;
};

// The workshop figures of a job (as typed, on the surface `Quote` names): its own when it keeps
// them, else those of its validated projection. Empty when the figures are no truncated solid.
// `cono`: what the development made of it; sides it took for parallel make a cylinder here too.
std::optional<FigureOfficina> FigureDelLavoro(const FigureSviluppo &f, bool cono);

// The same solid on the plate's mean surface, the blank's: each diameter moved by the plate.
FigureOfficina FigureMedie(const FigureSviluppo &f, const FigureOfficina &digitate);
