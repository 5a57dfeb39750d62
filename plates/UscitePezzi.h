// What the shop gets for each piece of a split: its outline as a table of points, its generators
// for the rolling, and its tiled true-size sheets as a PDF.
#pragma once

#include "plates/PezzoLamiera.h"

#include <QByteArray>
#include <QString>

#include <optional>

// "pezzo-P2" or "pezzo-C1-P2", then `estensione` (".csv", ".pdf").
QString NomeFilePezzo(const PezzoLamiera &pezzo, const QString &estensione);

// One row per outline point in cutting order: number, x, y (mm, as the piece lies unplaced).
QByteArray TabellaDelPezzo(const PezzoLamiera &pezzo);

// "generatrici-P2.csv" or "generatrici-C1-P2.csv".
QString NomeFileGeneratrici(const PezzoLamiera &pezzo);

// One row per generator of the piece: number, the ends on its base and top edge (x, y in mm, in
// the frame of the outline table) and the length.
QByteArray GeneratriciDelPezzo(const PezzoLamiera &pezzo);

// The piece's outline, its name as the legend, laid on A4 sheets and written to `percorso`;
// empty when written, else the reason. Needs a QGuiApplication.
std::optional<QString> SalvaPdfDelPezzo(const PezzoLamiera &pezzo, const QString &percorso);
