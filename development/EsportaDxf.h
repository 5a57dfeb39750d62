// DXF export of a development at true size, for cutting machines (AutoCAD R12 ASCII).
#pragma once

#include "development/Esportazione.h"
#include "development/SviluppoTaglio.h"
#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"

#include <QByteArray>

#include <optional>

struct OpzioniDxf {
    bool archi = false;       // exact circular edges as arcs of the polyline (bulges)
    bool generatrici = false; // the generator lines on their own layer, for marking and rolling
};

// What a written DXF holds, for the status line.
struct RiepilogoDxf {
    int vertici = 0; // of the cutting outline
    int archi = 0;   // of its segments, written as arcs
    double tolleranza = k_TolleranzaDxf;
};

// Recomputes the development of the input texts of `figure` (Nome ... ChiudiAC; nothing else is
// read) at true size and writes it to `percorso`. Rejections are told through the platform's
// message boxes, as a calculation tells them; nothing is written then.
// `origine` and `motivo` as for ScriviEsportazione; `riepilogo`, when given, receives the counts.
EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine = {},
                             QString *motivo = nullptr, const OpzioniDxf &opzioni = {},
                             RiepilogoDxf *riepilogo = nullptr);
// The same DXF text in memory; empty when the figures are rejected (already told).
std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure, const OpzioniDxf &opzioni = {},
                                         RiepilogoDxf *riepilogo = nullptr);

// The DXF text of a development: `sviluppato` holds the state after the development (names,
// sums, corners, the 62-point arrays), `profilo` its dense outline, whose chords lie within
// `scartoDenso` of the exact edges. Windows-1252 bytes.
QByteArray TestoDxf(const StatoSviluppo &sviluppato, const ProfiloSviluppo &profilo, const OpzioniDxf &opzioni = {},
                    double scartoDenso = 0, RiepilogoDxf *riepilogo = nullptr);
