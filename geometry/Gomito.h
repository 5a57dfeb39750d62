// A segmented elbow: its pieces, each a right cylinder or cone cut by two planes.
#pragma once

#include "geometry/FigureOfficina.h"

#include <QString>

#include <optional>
#include <vector>

// The bend lies in one plane about the origin, its centre line an arc of radius R from 0 to
// Angolo degrees. D1 at the first free end, D2 at the last (equal: a constant elbow; otherwise the
// diameter goes linearly with the bend angle, joined by the common-sphere method). Two end pieces,
// each with a straight length Tratto beyond the bend, and Pezzi - 2 full gores.
constexpr int k_PezziMassimiGomito = 64;
struct FigureGomito {
    double D1 = 0, D2 = 0, R = 0, Angolo = 90;
    int Pezzi = 4;
    double Tratto = 0;
};

// A piece as the side projection sees it: A and C on the throat, B and D on the back, AB the
// wider end's cut. `rovesciato`: the piece narrows against the elbow's run, so its base is the cut
// nearer the elbow's end.
struct PezzoGomito {
    ProiezioneEsatta proiezione;
    FigureOfficina officina;
    double gola = 0, dorso = 0; // the throat's and the back's lengths (AC and BD)
    bool rovesciato = false;
};

// The pieces from the first free end to the last; empty when the figures make no elbow (a bend
// radius inside the pipe, fewer than two pieces, an angle outside 0 to 180 degrees, a reduction
// so steep that a piece's cuts cross inside it).
std::vector<PezzoGomito> PezziDelGomito(const FigureGomito &g);

// The typed elbow fields, as texts.
enum class CampoGomito { Nessuno, D1, D2, R, Angolo, Pezzi, Tratto };
struct TestiGomito {
    QString D1, D2, R, Angolo, Pezzi, Tratto;
};

// Reads and checks the typed fields (D2 blank: a constant elbow; Tratto blank: none) against a plate
// `spessore` mm thick. On a refusal one message box names the field and what it allows, `campo`
// points at it and the result is empty.
std::optional<FigureGomito> ValidaGomito(const TestiGomito &testi, double spessore, CampoGomito &campo);
