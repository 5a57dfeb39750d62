// What the cutter and the shop get: one DXF per plate and the plate list.
#pragma once

#include "plates/SceltaDivisione.h"

#include <QByteArray>
#include <QStringList>

// The plate's outline on LAMIERA, each piece closed and counter-clockwise on TAGLIO where it
// lies, its name on TESTI and its match marks on MARCATURA; mm, the plate's corner at the origin.
QByteArray DxfDellaLamiera(const LamieraPosata &lamiera, const std::vector<PezzoLamiera> &pezzi);

// One row per plate: number, size, pieces, usage (%), cut length (m), weld length (m: half of
// each seam on each side), then a total row.
QByteArray CsvDelleLamiere(const OpzioneDivisione &opzione);
// The same rows, the headings first, as texts.
std::vector<QStringList> RigheLamiere(const OpzioneDivisione &opzione);
// The same rows as an HTML table under `titolo`, for a printout.
QString HtmlDelleLamiere(const OpzioneDivisione &opzione, const QString &titolo);

// One line of the ranking: plates, their sizes, pieces, usage, weld added.
QString RigaClassifica(int posto, const OpzioneDivisione &opzione);

// The file names of the outputs in the chosen folder.
QString NomeDxfLamiera(int numero); // lamiera-N.dxf
inline const QString k_CsvLamiere = QStringLiteral("lamiere.csv");
