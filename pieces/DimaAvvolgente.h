// A wrap-around template: one cut of a piece developed on the outer surface of the pipe it is cut
// from, to wrap round the pipe and mark the cut.
#pragma once

#include "geometry/FigureOfficina.h"
#include "geometry/FigureSviluppo.h"
#include "geometry/SviluppoDenso.h"

#include <optional>
#include <vector>

// How far beyond the cut's nearest point the straight edge runs (mm): room to hold the template.
constexpr double k_MargineDima = 30;

enum class TaglioDima { Base, Cima }; // the cut through O1 or through O2

struct DimaAvvolgente {
    // A cylinder's template lies with its reference line on the x axis from 0 to `lunghezza`, the
    // cut above it: y is a point's height above the line, x its arc length round the pipe from
    // the back (the B-D generator). A cone's lies about its apex at the origin, the reference an
    // arc of radius `raggioRiferimento` from angle 0, starting on the back.
    bool cono = false;
    std::vector<PuntoPiano> taglio;      // the cut line from one seam to the other
    std::vector<PuntoPiano> riferimento; // the reference line or arc, square to the axis, same seams
    std::vector<PuntoPiano> contorno;    // closed, counter-clockwise: the reference then the cut back
    double diametroEsterno = 0;          // the outer surface's diameter square to the axis at the cut's O
    double lunghezza = 0;                // the reference's length: once round the outer surface
    double raggioRiferimento = 0;        // a cone's only
};

// The template of the cut `taglio` of the solid `f` rolled from a plate `spessore` mm thick whose
// diameters describe the surface `quote`; the reference lies on the piece's side of the cut.
// Empty when the cut does not meet the outer surface in one closed curve.
std::optional<DimaAvvolgente> DimaDelTaglio(const FigureOfficina &f, double spessore, QuoteLamiera quote,
                                            TaglioDima taglio, int punti = 721);
