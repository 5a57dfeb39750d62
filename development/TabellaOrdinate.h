// The ordinate table of a development: the 62 generators with the points of both edges, in mm.
#pragma once

#include "geometry/GeneratoriFacce.h"
#include "geometry/StatoSviluppo.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct RigaOrdinate {
    int k = 0;
    double XAB = 0, YAB = 0, XCD = 0, YCD = 0, generatore = 0;
    double interna = 0, esterna = 0; // the generator on each face of the plate, with a thickness

    // The figures after k, in the order of the titles.
    std::vector<double> Valori(bool facce) const;
};

struct TabellaOrdinate {
    QString nome;       // trimmed
    QString figure;     // one line with the shape and the typed figures
    QString nota;       // what the thickness changed; empty without one
    bool facce = false; // the rows carry the faces' generators
    std::vector<RigaOrdinate> righe;
    double SommaAB = 0, SommaCD = 0;
};

// The column titles, units included; `facce`: with the two faces' generators.
QStringList IntestazioneOrdinate(bool facce = false);
// The 62 rows of the arrays of `s` (in mm, before any plot), with the faces' generators if given.
std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s, const GeneratoriFacce *facce = nullptr);
// The table of a state just developed (`cono`: its shape).
TabellaOrdinate TabellaDelloStato(const StatoSviluppo &s, bool cono, const GeneratoriFacce *facce = nullptr);
// The 62-point development of the input texts of `figure` afresh, with its faces' generators when it
// has a plate. False when the figures are rejected (already told).
bool SviluppaOrdinate(const FigureSviluppo &figure, StatoSviluppo &sviluppato, bool &cono,
                      std::optional<GeneratoriFacce> &facce);
// Develops the input texts of `figure` afresh; empty when they are rejected (already told).
std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure);
