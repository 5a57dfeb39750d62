// The ordinate table of a development as CSV: the 62 points of both edges and the two sums.
#pragma once

#include "development/Esportazione.h"
#include "geometry/GeneratoriFacce.h"
#include "geometry/StatoSviluppo.h"

#include <QByteArray>

#include <optional>

// Recomputes the development of the input texts of `figure` and writes its table to `percorso`.
// Rejections are told through the platform's message boxes; nothing is written then.
// `origine` and `motivo` as for ScriviEsportazione.
EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine = {},
                             QString *motivo = nullptr);
// The same table in memory; empty when the figures are rejected (already told).
std::optional<QByteArray> CsvDelleFigure(const FigureSviluppo &figure);

// Header, then k, XAB, YAB, XCD, YCD, generator length for k = 1..62 (mm, point decimal),
// then the SommaAB and SommaCD lines. `sviluppato` holds the arrays in mm, before any plot.
// A plate adds the generators of its inner and outer `facce` to each point and its note at the end.
QByteArray TestoCsv(const StatoSviluppo &sviluppato, const GeneratoriFacce *facce = nullptr);
