// The ordinate table of a piece as CSV: the 62 points of both edges and the two sums.
#pragma once

#include "exports/Esportazione.h"
#include "pieces/Pezzo.h"

#include <QByteArray>

#include <optional>

// The table of the piece of `figure` written to `percorso`. Rejections are told through the
// platform's message boxes; nothing is written then. `origine` and `motivo` as for ScriviEsportazione.
EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine = {},
                             QString *motivo = nullptr);
// The same table in memory; empty when the figures are rejected (already told).
std::optional<QByteArray> CsvDelleFigure(const FigureSviluppo &figure);

// Header, then k, XAB, YAB, XCD, YCD, generator length for k = 1..62 (mm, point decimal),
// then the SommaAB and SommaCD lines. A plate adds the generators of its inner and outer faces
// to each point and its note at the end.
QByteArray TestoCsv(const Pezzo &pezzo);
