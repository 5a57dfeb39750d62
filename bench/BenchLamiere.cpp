// Splitting and nesting the hopper (D1 2000, D2 600, H 1500, 5 mm plate) over five stock sizes.
#include "geometry/TestiOfficina.h"
#include "plates/FileLamiere.h"
#include "plates/SceltaDivisione.h"

#include <benchmark/benchmark.h>

static void BM_DividiEAnnidaTramoggia(benchmark::State &state)
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("Tramoggia");
    f.ImpostaChiusura(QStringLiteral("F"));
    f.TestoSpessore = QStringLiteral("5");
    ImpostaOfficina(f, {2000, 600, 1500, 0, 0});
    RichiestaDivisione richiesta;
    richiesta.divisione.luce = 2;
    const std::vector<Lamiera> stock = LamiereDiPartenza();
    for (auto _ : state) {
        const auto opzioni = OpzioniDivisione(f, stock, richiesta);
        benchmark::DoNotOptimize(opzioni.data());
    }
}
BENCHMARK(BM_DividiEAnnidaTramoggia)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
