// The refinement loop: develop, estimate the sagitta, resample until it is within the tolerance.
#include "development/SviluppoTaglio.h"

#include "development/ContornoSviluppo.h"
#include "development/Esportazione.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int k_GeneratoriMinimi = 31;
constexpr int k_GeneratoriMassimi = 100000;
constexpr int k_Affinamenti = 8;

double saettaProfilo(const ProfiloSviluppo &p) { return std::max(SaettaStimata(p.bordoAB), SaettaStimata(p.bordoCD)); }
} // namespace

bool SviluppaPerTaglio(const FigureSviluppo &figure, StatoSviluppo &sviluppato, ProfiloSviluppo &profilo,
                       double obiettivo, double *saetta)
{
    int generatori = k_GeneratoriMinimi;
    double stima = 0;
    for (int passo = 0; passo < k_Affinamenti; ++passo) {
        if (!SviluppaFigure(figure, generatori, sviluppato, profilo))
            return false;
        stima = saettaProfilo(profilo);
        if (!(stima > obiettivo) || generatori == k_GeneratoriMassimi)
            break;
        const double fattore = 1.1 * std::sqrt(stima / obiettivo);
        generatori = int(std::min<double>(k_GeneratoriMassimi, std::ceil(generatori * fattore)));
    }
    if (saetta)
        *saetta = stima;
    return true;
}
