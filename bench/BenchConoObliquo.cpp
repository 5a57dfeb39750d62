// Time of one eccentric reducer: its exact development at the 62 generators, and its DXF for cutting.
#include "exports/EsportaDxf.h"
#include "pieces/PezzoConoObliquo.h"
#include "platform/PiattaformaSilenziosa.h"

#include <benchmark/benchmark.h>

namespace {
const ConoObliquo k_Riduzione{600, 300, 400, 150};
const ConoObliquo k_Lamiera{1000, 500, 600, 250, 10, QuoteLamiera::Esterne};

void Sviluppo(benchmark::State &stato, const ConoObliquo &c)
{
    for (auto _ : stato)
        benchmark::DoNotOptimize(PezzoConoObliquo(c, {}));
}

void Dxf(benchmark::State &stato, const ConoObliquo &c)
{
    PiattaformaSilenziosa muta;
    Piattaforma::installa(&muta);
    const auto pezzo = PezzoConoObliquo(c, {});
    for (auto _ : stato)
        benchmark::DoNotOptimize(DxfDelPezzo(*pezzo));
    Piattaforma::installa(nullptr);
}
} // namespace

BENCHMARK_CAPTURE(Sviluppo, riduzione, k_Riduzione)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Sviluppo, con_lamiera, k_Lamiera)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Dxf, riduzione, k_Riduzione)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
