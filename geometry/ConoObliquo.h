// The eccentric reducer: an oblique circular cone between two round parallel ends, or an oblique
// cylinder when they are equal, and its exact development.
#pragma once

#include "geometry/FigureSviluppo.h"
#include "geometry/SviluppoDenso.h"
#include "geometry/Vettore3.h"

#include <vector>

// The base, Ø D1, lies in z = 0 centred at the origin; the top, Ø D2, in z = H centred at
// (Scostamento, 0, H). In mm; D1 and D2 describe the plate's face that `Quote` says.
struct ConoObliquo {
    double D1 = 0, D2 = 0, H = 0, Scostamento = 0;
    double Spessore = 0;
    QuoteLamiera Quote = QuoteLamiera::Esterne;
};

inline bool CilindroObliquo(const ConoObliquo &c) { return c.D1 == c.D2; }

// The ends of the generator at base angle `teta` (radians, from +x, the side the top leans
// towards), and the base point's derivatives in `teta`.
Vettore3 PuntoBase(const ConoObliquo &c, double teta);
Vettore3 PuntoCima(const ConoObliquo &c, double teta);
Vettore3 DerivataBase(const ConoObliquo &c, double teta);
Vettore3 DerivataSecondaBase(const ConoObliquo &c, double teta);
// The apex (a cone only).
Vettore3 Apice(const ConoObliquo &c);

// The area of the surface between the ends (mm²), by quadrature: the blank's area.
double AreaConoObliquo(const ConoObliquo &c);

// Where the blank is closed: on the shortest generator, the longest, or at a base angle in degrees.
// Where all generators are equally long, the shortest is at 0 degrees and the longest at 180.
enum class TipoCucitura { Corta, Lunga, Angolo };
struct Cucitura {
    TipoCucitura tipo = TipoCucitura::Corta;
    double gradi = 0;
};
double AngoloCucitura(const ConoObliquo &c, const Cucitura &cucitura); // radians

struct GeneratoreSviluppato {
    double teta = 0;      // base angle, radians
    double lunghezza = 0; // true length, base to top
    // Cone: the angle at the apex from the seam, radians. Cylinder: mm along the section square
    // to the generators, from the seam.
    double sviluppo = 0;
    PuntoPiano ab, cd; // its ends on the blank, on the base's edge and on the top's
};

struct SviluppoObliquo {
    // True: a cone's sector with its apex at the origin and the seam along +x. False: a cylinder,
    // its section along x and its generators along y, or a cone so nearly a cylinder that its
    // apex lies too far away to be drawn about; both with the seam's base end at the origin.
    bool settore = false;
    bool cono = false;
    // From the seam round to the seam again, at equal steps of the base angle.
    std::vector<GeneratoreSviluppato> generatori;
};

// The surface `c` (its thickness ignored: pass the mean surface) developed exactly, `punti`
// generators (2 at least) from the seam at base angle `teta0`. The generators are empty when the
// solid is too extreme to compute in floating point.
SviluppoObliquo SviluppaConoObliquo(const ConoObliquo &c, double teta0, int punti);

// The table a workshop marks by hand: `n` generators at equal steps of the base angle from the seam.
struct RigaGeneratore {
    double gradiBase = 0; // the base angle, degrees
    double lunghezza = 0; // true length, mm
    // Cone: the developed angle from the seam, degrees. Cylinder: mm along the section.
    double sviluppo = 0;
};
// The row of the generator `g` of a cone's (`cono`) or a cylinder's development.
RigaGeneratore RigaDelGeneratore(const GeneratoreSviluppato &g, bool cono);
std::vector<RigaGeneratore> TabellaGeneratori(const ConoObliquo &c, double teta0, int n);
