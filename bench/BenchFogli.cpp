// Time of one tiled layout, display lists included: a 3 m x 1.5 m strip on A4's drawing area.
#include "fogli/ImpaginaFogli.h"
#include "tests/fogli/SagomeDiProva.h"

#include <benchmark/benchmark.h>

namespace {
void Impagina(benchmark::State &stato)
{
    // As densely sampled as a cutting export of a large blank; tilted so every turn is tried.
    const SagomaFogli sagoma = SagomaDelProfilo(sagome::striscia(3000, 1500, 20, int(stato.range(0))));
    const CartaFogli a4{190, 277, OrientamentoFogli::Automatico, 10};
    for (auto _ : stato) {
        const auto r = ImpaginaFogli(sagoma, a4);
        benchmark::DoNotOptimize(r.fogli.data());
        stato.counters["fogli"] = r.stampati;
    }
}
} // namespace

BENCHMARK(Impagina)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
