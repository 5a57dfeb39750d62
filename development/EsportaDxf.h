// DXF export of a development at true size, for cutting machines (AutoCAD R12 ASCII).
#pragma once

#include "development/Esportazione.h"
#include "development/SviluppoTaglio.h"
#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"

#include <QByteArray>

#include <optional>

// Recomputes the development of the input texts of `figure` (Nome ... ChiudiAC; nothing else is
// read) at true size and writes it to `percorso`. Rejections are told through the platform's
// message boxes, as a calculation tells them; nothing is written then.
// `origine` and `motivo` as for ScriviEsportazione.
EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine = {},
                             QString *motivo = nullptr);
// The same DXF text in memory; empty when the figures are rejected (already told).
std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure);

// The DXF text of a development: `sviluppato` holds the state after the development (names,
// sums, corners), `profilo` its dense outline. Windows-1252 bytes.
QByteArray TestoDxf(const StatoSviluppo &sviluppato, const ProfiloSviluppo &profilo);
