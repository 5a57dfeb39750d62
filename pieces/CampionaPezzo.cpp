// The refinement loop: sample the edges, estimate the sagitta, resample until within the tolerance.
#include "pieces/Pezzo.h"

#include "pieces/SaettaBordo.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int k_GeneratoriMinimi = 31;
constexpr int k_GeneratoriMassimi = 100000;
constexpr int k_Affinamenti = 8;

double saettaProfilo(const ProfiloSviluppo &p) { return std::max(SaettaStimata(p.bordoAB), SaettaStimata(p.bordoCD)); }
} // namespace

std::optional<ProfiloSviluppo> CampionaPezzo(const Pezzo &pezzo, int generatoriPerMeta)
{
    ProfiloSviluppo profilo;
    profilo.cono = pezzo.settore;
    profilo.bordoAB = pezzo.bordoAB.Campioni(2 * generatoriPerMeta);
    if (profilo.bordoAB.empty())
        return std::nullopt;
    profilo.bordoCD = pezzo.bordoCD.Campioni(2 * generatoriPerMeta);
    if (profilo.bordoCD.empty())
        return std::nullopt;
    if (pezzo.settore) {
        profilo.arcoAB = ArcoEsatto(profilo.bordoAB, profilo.raggioAB);
        profilo.arcoCD = ArcoEsatto(profilo.bordoCD, profilo.raggioCD);
    }
    return profilo;
}

std::optional<PezzoCampionato> CampionaPerTaglio(const Pezzo &pezzo, double obiettivo)
{
    int generatori = k_GeneratoriMinimi;
    std::optional<PezzoCampionato> campionato;
    for (int passo = 0; passo < k_Affinamenti; ++passo) {
        auto profilo = CampionaPezzo(pezzo, generatori);
        if (!profilo)
            return std::nullopt;
        campionato = PezzoCampionato{std::move(*profilo), 0};
        campionato->saetta = saettaProfilo(campionato->profilo);
        if (!(campionato->saetta > obiettivo) || generatori == k_GeneratoriMassimi)
            break;
        const double fattore = 1.1 * std::sqrt(campionato->saetta / obiettivo);
        generatori = int(std::min<double>(k_GeneratoriMassimi, std::ceil(generatori * fattore)));
    }
    return campionato;
}
