// Press-brake forming: the blank folded along N generators into a pyramid inscribed in the solid.
#pragma once

#include "geometry/FigureSviluppo.h"
#include "geometry/SviluppoDenso.h"

#include <QString>

#include <vector>

// The most bends a job takes; 1 and 2 fold no closed shape.
constexpr int k_PiegheMinime = 3;
constexpr int k_PiegheMassime = 720;
bool PiegheAmmesse(int pieghe);
// What a refused number of bends is told.
QString MessaggioPieghe();

struct Piega {
    // From the seam, which lies in the middle of a flat: the developed angle in degrees (cone)
    // or the distance along the strip in mm (cylinder).
    double posizione = 0;
    PuntoPiano ab, cd;                 // where the bend line meets the edges, in the blank's coordinates
    double raggioAB = 0, raggioCD = 0; // cone: their distances from the apex
    double angolo = 0;                 // degrees between the two flats' normals
};

// The `pieghe` bend lines of the job `f` (accepted figures), equally spaced around the solid;
// empty when `pieghe` is not allowed or the figures do not develop.
std::vector<Piega> PiegheDelTronco(const FigureSviluppo &f, int pieghe);
