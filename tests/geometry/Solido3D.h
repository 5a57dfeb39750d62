// The solid built in space from its side projection, to check developments against.
#pragma once

#include "tests/geometry/Figure.h"

// Axis and apex (or radius) from the projection; each generator, named by its angle phi
// around the axis counted from the closing side's generator, is cut by the two planes that
// stand on the projected cut lines AB and CD, perpendicular to the projection plane.
class Solido3D {
public:
    // `scostamento`: the surface that many mm inside the solid's mantle, square to it (outside
    // when negative), between the same two cut planes: a face or the mean surface of a plate.
    explicit Solido3D(const Figure &f, double scostamento = 0);

    bool cono() const { return m_cono; }
    // Cone: distance from the apex to each cut along the generator at phi.
    // Cylinder: distance from each cut up to the plane through C square to the axis.
    double TaglioAB(double phi) const;
    double TaglioCD(double phi) const;
    // Cone: half the angle at the apex. Cylinder: the radius.
    double semiApertura() const { return m_theta; }
    double raggio() const { return m_raggio; }

    // The angle of point k (1 to 2n) of a development sampled with n generators per half.
    static double PhiDelPunto(int k, int n);

    struct Vettore {
        double x = 0, y = 0, z = 0;
    };

private:
    Vettore Piede(double phi) const;
    Vettore Direzione(double phi) const;
    double Taglio(const Vettore &p1, const Vettore &p2, double phi) const;

    bool m_cono = false;
    Vettore m_A, m_B, m_C, m_D;
    Vettore m_asse, m_normale, m_vertice;
    double m_theta = 0, m_raggio = 0;
};
