// The true-size DXF export: sample the piece as finely as the tolerance needs, then write.
#include "exports/EsportaDxf.h"

#include "pieces/PezzoDelTronco.h"

namespace {
// The dense sampling the outline's vertices are chosen from lies this much finer than the
// tolerance, so that the chosen chords are nearly the longest the tolerance allows.
constexpr double k_FinezzaDensa = 20;
// The sagitta estimate is close, not a bound.
constexpr double k_MargineStima = 1.5;
} // namespace

std::optional<QByteArray> DxfDelPezzo(const Pezzo &pezzo, const OpzioniDxf &opzioni, RiepilogoDxf *riepilogo)
{
    const auto campionato = CampionaPerTaglio(pezzo, k_TolleranzaDxf / k_FinezzaDensa);
    if (!campionato)
        return std::nullopt;
    return TestoDxf(pezzo, campionato->profilo, opzioni, k_MargineStima * campionato->saetta, riepilogo);
}

std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure, const OpzioniDxf &opzioni,
                                         RiepilogoDxf *riepilogo)
{
    const auto pezzo = PezzoDelTronco(figure);
    return pezzo ? DxfDelPezzo(*pezzo, opzioni, riepilogo) : std::nullopt;
}

EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo, const OpzioniDxf &opzioni, RiepilogoDxf *riepilogo)
{
    return ScriviEsportazione(percorso, DxfDelleFigure(figure, opzioni, riepilogo), origine, motivo);
}
