// A reducing elbow of 12 pieces (D1 400 to D2 250, R 600, 90 degrees, 2 mm plate): its pieces built,
// developed and written to one DXF.
#include "documents/PezziGomito.h"
#include "exports/EsportaCommessa.h"

#include <benchmark/benchmark.h>

static void BM_GomitoRiduzioneDxf(benchmark::State &state)
{
    GomitoCommessa gomito;
    gomito.figure = {400, 250, 600, 90, 12, 0};
    gomito.sfalsata = true;
    FigureSviluppo lamiera;
    lamiera.TestoSpessore = QStringLiteral("2");
    for (auto _ : state) {
        Commessa commessa;
        commessa.gomito = gomito;
        commessa.pezzi = SorgentiDelGomito(gomito, lamiera);
        const auto pezzi = PezziDellaCommessa(commessa);
        if (!pezzi) {
            state.SkipWithError("gomito rifiutato");
            break;
        }
        const auto dxf = DxfDeiPezzi(*pezzi);
        benchmark::DoNotOptimize(dxf->size());
    }
}
BENCHMARK(BM_GomitoRiduzioneDxf)->Unit(benchmark::kMillisecond);

// Only the pieces of the elbow as the bend's geometry gives them, without developing them.
static void BM_PezziDelGomito(benchmark::State &state)
{
    const FigureGomito g{400, 250, 600, 90, 12, 0};
    for (auto _ : state) {
        const auto pezzi = PezziDelGomito(g);
        benchmark::DoNotOptimize(pezzi.data());
    }
}
BENCHMARK(BM_PezziDelGomito)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
