// A blank split into pieces along generators and into courses square to the axis.
#pragma once

#include "geometry/FigureSviluppo.h"
#include "plates/PezzoLamiera.h"

#include <optional>

struct Divisione {
    int parti = 1;   // equal pieces along generators in each course
    int corsi = 1;   // courses (strakes) square to the axis
    double luce = 0; // weld gap per seam, mm
    // Trim allowance, mm, added outward along the generators on the ends that are no seam: the
    // base of the lowest course, the top of the highest.
    double sfrido = 0;
    bool sfridoBase = true, sfridoCima = true;
};

struct BlankDiviso {
    std::vector<PezzoLamiera> pezzi;
    double saldaturaAggiunta = 0; // mm of seams the split adds to the blank's own closing seam
};

// A developed blank as the splitting takes it.
struct Blank {
    Poligono contorno;                      // closed, counter-clockwise, within the cutting tolerance
    bool settore = false;                   // a cone's sector, apex at the origin
    PuntoPiano generatrice;                 // unit direction of the generators of a cylinder
    double bordoAB = 0;                     // true length of the base edge
    double chiusura = 0;                    // true length of the closing seam A-C
    std::vector<PuntoPiano> latoAB, latoCD; // the base and top edges, one point per generator each
};

// `blank` with its base edge moved `base` mm and its top edge `cima` mm outward along each
// generator (inward when negative), its outline counter-clockwise; true lengths kept.
Blank BordiSpostati(const Blank &blank, double base, double cima);

// The outline of `blank` with its edges moved as by `BordiSpostati`.
Poligono ContornoConSfrido(const Blank &blank, double base, double cima);

// Empty when the figures are refused (told through the platform).
std::optional<Blank> BlankDelTronco(const FigureSviluppo &figure);

// `parti` pieces of one developed outline between equal developed angles (`settore`: apex at
// the origin) or equal widths across the generators (direction `generatrice`), each seam edge
// moved by luce / 2 into its piece; match marks numbered from `primaTacca`. `giunti` receives
// the true length of each seam, measured on `vero` when given (the blank without its trim).
std::vector<PezzoLamiera> DividiLungoGeneratrici(const Poligono &blank, bool settore, PuntoPiano generatrice, int parti,
                                                 double luce, int primaTacca, std::vector<double> *giunti = nullptr,
                                                 const Poligono *vero = nullptr);

// The workshop figures of a job, exact when it keeps them, else from its projection texts;
// empty when these are no truncated solid.
std::optional<FigureOfficina> OfficinaDelTronco(const FigureSviluppo &figure);

// The courses of the solid: each a truncated cone or cylinder of its own, cut square to the axis
// where it meets the next. Empty when a course would cross an inclined end cut.
std::optional<std::vector<FigureSviluppo>> CorsiDelTronco(const FigureSviluppo &figure, int corsi);

// The whole split; empty when the figures or a course are refused.
std::optional<BlankDiviso> DividiTronco(const FigureSviluppo &figure, const Divisione &divisione);
