// DXF export of a development at true size, for cutting machines (AutoCAD R12 ASCII).
#pragma once

#include "exports/Esportazione.h"
#include "geometry/SviluppoDenso.h"
#include "pieces/Pezzo.h"

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

// The DXF of the piece of the figures `figure` (Nome ... ChiudiAC and the plate), written to
// `percorso`. Rejections are told through the platform's message boxes, as a calculation tells
// them; nothing is written then. `origine` and `motivo` as for ScriviEsportazione; `riepilogo`,
// when given, receives the counts.
EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine = {},
                             QString *motivo = nullptr, const OpzioniDxf &opzioni = {},
                             RiepilogoDxf *riepilogo = nullptr);
// The same DXF text in memory; empty when the figures are rejected (already told).
std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure, const OpzioniDxf &opzioni = {},
                                         RiepilogoDxf *riepilogo = nullptr);

// The DXF of a piece, its edges sampled as finely as the tolerance needs; empty when they cannot
// be (already told).
std::optional<QByteArray> DxfDelPezzo(const Pezzo &pezzo, const OpzioniDxf &opzioni = {},
                                      RiepilogoDxf *riepilogo = nullptr);

// The DXF text of a piece whose edges are sampled in `campionato`, with chords within
// `scartoDenso` of the exact edges. Windows-1252 bytes.
QByteArray TestoDxf(const Pezzo &pezzo, const ProfiloSviluppo &campionato, const OpzioniDxf &opzioni = {},
                    double scartoDenso = 0, RiepilogoDxf *riepilogo = nullptr);
