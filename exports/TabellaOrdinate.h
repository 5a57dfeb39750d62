// The ordinate table of a piece: the 62 generators with the points of both edges, in mm.
#pragma once

#include "pieces/Pezzo.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct TabellaOrdinate {
    QString nome;       // trimmed
    QString figure;     // one line with the shape and the typed figures
    QString nota;       // what the thickness changed; empty without one
    bool facce = false; // the rows carry the faces' generators
    ColonneOrdinate colonne = ColonneOrdinate::Punti;
    std::vector<RigaOrdinate> righe;
    double SommaAB = 0, SommaCD = 0;
    QStringList dati; // the workshop data block, the bends included
};

// The column titles, units included; `facce`: with the two faces' generators.
QStringList IntestazioneOrdinate(bool facce = false, ColonneOrdinate colonne = ColonneOrdinate::Punti);
// The decimals a cell of the column titled `titolo` is shown with: 3 for degrees, 2 for mm.
int DecimaliColonna(const QString &titolo);
// The table of a piece.
TabellaOrdinate TabellaDelPezzo(const Pezzo &pezzo);
// The table of the piece of `figure`; empty when the figures are rejected (already told).
std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure);
