// Time of one tiled layout, the cover and the search for room for the scale bars included, and of
// drawing every sheet as the printout does: a 3 m x 1.5 m blank on A4's drawing area.
#include "fogli/DisegnoFoglio.h"
#include "fogli/ImpaginaFogli.h"
#include "tests/fogli/SagomeDiProva.h"
#include "tests/geometry/Figure.h"

#include <benchmark/benchmark.h>

namespace {
const CartaFogli k_A4{190, 277, OrientamentoFogli::Automatico, 10};

void Misura(benchmark::State &stato, const SagomaFogli &sagoma)
{
    for (auto _ : stato) {
        const auto r = ImpaginaFogli(sagoma, k_A4);
        benchmark::DoNotOptimize(r.fogli.data());
        stato.counters["fogli"] = r.stampati;
    }
}

void Impagina(benchmark::State &stato)
{
    // As densely sampled as a cutting export of a large blank; tilted so every turn is tried.
    Misura(stato, SagomaDelProfilo(sagome::striscia(3000, 1500, 20, int(stato.range(0)))));
}

// A real cylinder of 3 m round and 1.5 m high, as the PDF export takes it: the DXF's outline,
// with its 62 generators and legend.
void ImpaginaCilindro(benchmark::State &stato)
{
    StatoSviluppo figure;
    ImpostaFigure(figure, {QStringLiteral("1500"), QStringLiteral("954.93"), QStringLiteral("1500"),
                           QStringLiteral("90"), QStringLiteral("90")});
    const auto sagoma = SagomaDelleFigure(figure);
    if (!sagoma) {
        stato.SkipWithError("figures refused");
        return;
    }
    Misura(stato, *sagoma);
}

// Every printed sheet drawn one after the other, as the PDF draws them.
void DisegnaFogli(benchmark::State &stato)
{
    const auto r = ImpaginaFogli(SagomaDelProfilo(sagome::striscia(3000, 1500, 20, 5000)), k_A4);
    for (auto _ : stato)
        for (const Foglio &f : r.fogli)
            benchmark::DoNotOptimize(DisegnaFoglio(r, f).elementi().size());
    stato.counters["fogli"] = r.stampati;
}
} // namespace

BENCHMARK(DisegnaFogli)->Unit(benchmark::kMillisecond);
BENCHMARK(Impagina)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImpaginaCilindro)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
