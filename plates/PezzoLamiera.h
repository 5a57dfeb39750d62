// One piece of a split blank, as it is cut: its outline, its name, its match marks.
#pragma once

#include "pieces/Pezzo.h"
#include "plates/Poligono.h"

#include <QString>

#include <vector>

// A match mark at a seam end, or where a seam along generators meets one across the axis: the
// same number on both sides of the seam.
struct Tacca {
    PuntoPiano punto;
    PuntoPiano versoInterno; // unit, into the piece, square to the seam
    int numero = 0;
};

struct PezzoLamiera {
    Poligono contorno; // counter-clockwise, mm, weld gaps already taken off
    QString nome;      // "P2", or "C1 P2" with courses
    int corso = 1, parte = 1;
    std::vector<Tacca> tacche;
    double saldatura = 0; // mm: half the true length of its seams, each shared with a neighbour
    // Its blank's generators that lie whole in it, evenly across it, in the frame of `contorno`.
    std::vector<Generatrice> generatrici;
};
