// The plate's faces of an oblique cone: they are not exactly cones, so their ends are not exactly
// round, and too thick a plate folds the inner one over.
#pragma once

#include "geometry/ConoObliquo.h"

// The plate's mean surface, on which it is developed: the same height and offset, each diameter
// chosen so that the face the typed ones describe ends in curves exactly as long as their
// circles (pi x D: the pipe it is welded to). A concentric reducer's face is a cone: its diameters
// are then the mean ones -/+ the thickness over the cosine of the side's slope. No thickness left.
ConoObliquo SuperficieMedia(const ConoObliquo &c);

// The out-of-round of an end as a caliper finds it: the widest and the narrowest width across.
struct Ovalizzazione {
    double diametroMassimo = 0, diametroMinimo = 0;
    double Scarto() const { return diametroMassimo - diametroMinimo; }
};

struct OvalizzazioneFacce {
    Ovalizzazione base, cima;
};

// The ends of the outer face of the plate `c` (its figures as typed): each generator of the mean
// surface moved outwards square to the surface by half the thickness, cut by the end's plane;
// the widths measured across in 360 directions over 3600 generators.
OvalizzazioneFacce OvalizzazioneFacciaEsterna(const ConoObliquo &c);

// The radius of curvature across the generator at base angle `teta` of the surface `c`, at its
// base end or at its top end: what the rolls are set to there.
double RaggioTrasversale(const ConoObliquo &c, double teta, bool cima);

// The smallest radius of curvature across the generators of the surface `c`, at either end: a
// plate folds over on its inner face when half its thickness reaches it.
double RaggioCurvaturaMinimo(const ConoObliquo &c);
