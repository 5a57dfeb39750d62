// The true-size DXF export: develop the figures as finely as the tolerance needs, then write.
#include "development/EsportaDxf.h"

#include "development/ContornoSviluppo.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int k_GeneratoriMinimi = 31;
constexpr int k_GeneratoriMassimi = 100000;
constexpr int k_Affinamenti = 8;
// The dense sampling the outline's vertices are chosen from lies this much finer than the
// tolerance, so that the chosen chords are nearly the longest the tolerance allows.
constexpr double k_FinezzaDensa = 20;
// The sagitta estimate is close, not a bound.
constexpr double k_MargineStima = 1.5;

double saettaProfilo(const ProfiloSviluppo &p) { return std::max(SaettaStimata(p.bordoAB), SaettaStimata(p.bordoCD)); }
} // namespace

std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure, const OpzioniDxf &opzioni,
                                         RiepilogoDxf *riepilogo)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    int generatori = k_GeneratoriMinimi;
    const double obiettivo = k_TolleranzaDxf / k_FinezzaDensa;
    double saetta = 0;
    for (int passo = 0; passo < k_Affinamenti; ++passo) {
        if (!SviluppaFigure(figure, generatori, sviluppato, profilo))
            return std::nullopt;
        saetta = saettaProfilo(profilo);
        if (!(saetta > obiettivo) || generatori == k_GeneratoriMassimi)
            break;
        const double fattore = 1.1 * std::sqrt(saetta / obiettivo);
        generatori = int(std::min<double>(k_GeneratoriMassimi, std::ceil(generatori * fattore)));
    }
    return TestoDxf(sviluppato, profilo, opzioni, k_MargineStima * saetta, riepilogo);
}

EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo, const OpzioniDxf &opzioni, RiepilogoDxf *riepilogo)
{
    const auto testo = DxfDelleFigure(figure, opzioni, riepilogo);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}
