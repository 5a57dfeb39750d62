// The ordinate table of a development: the 62 generators with the points of both edges, in mm.
#pragma once

#include "geometry/StatoSviluppo.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct RigaOrdinate {
    int k = 0;
    double XAB = 0, YAB = 0, XCD = 0, YCD = 0, generatore = 0;
};

struct TabellaOrdinate {
    QString nome;   // trimmed
    QString figure; // one line with the shape and the typed figures
    std::vector<RigaOrdinate> righe;
    double SommaAB = 0, SommaCD = 0;
};

// The column titles, units included.
QStringList IntestazioneOrdinate();
// The 62 rows of the arrays of `s` (in mm, before any plot).
std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s);
// The table of a state just developed (`cono`: its shape).
TabellaOrdinate TabellaDelloStato(const StatoSviluppo &s, bool cono);
// Develops the input texts of `figure` afresh; empty when they are rejected (already told).
std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure);
