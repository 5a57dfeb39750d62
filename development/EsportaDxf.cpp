// The true-size DXF export: develop the figures as finely as the tolerance needs, then write.
#include "development/EsportaDxf.h"

namespace {
// The dense sampling the outline's vertices are chosen from lies this much finer than the
// tolerance, so that the chosen chords are nearly the longest the tolerance allows.
constexpr double k_FinezzaDensa = 20;
// The sagitta estimate is close, not a bound.
constexpr double k_MargineStima = 1.5;
} // namespace

std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure, const OpzioniDxf &opzioni,
                                         RiepilogoDxf *riepilogo)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    double saetta = 0;
    if (!SviluppaPerTaglio(figure, sviluppato, profilo, k_TolleranzaDxf / k_FinezzaDensa, &saetta))
        return std::nullopt;
    return TestoDxf(sviluppato, profilo, opzioni, k_MargineStima * saetta, riepilogo);
}

EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo, const OpzioniDxf &opzioni, RiepilogoDxf *riepilogo)
{
    const auto testo = DxfDelleFigure(figure, opzioni, riepilogo);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}
