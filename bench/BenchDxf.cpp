// Time of one DXF export in memory: development to the tolerance, outline, texts; small and 50 m cones.
#include "exports/EsportaDxf.h"
#include "platform/PiattaformaSilenziosa.h"

#include <benchmark/benchmark.h>

namespace {
StatoSviluppo figure(const char *ac, const char *ab, const char *bd, const char *alfa, const char *beta)
{
    StatoSviluppo s;
    s.Nome = QStringLiteral("Banco");
    s.TestoAC = QString::fromLatin1(ac);
    s.TestoAB = QString::fromLatin1(ab);
    s.TestoBD = QString::fromLatin1(bd);
    s.TestoAlfa = QString::fromLatin1(alfa);
    s.TestoBeta = QString::fromLatin1(beta);
    s.ChiudiAC = QStringLiteral("T");
    return s;
}

void Dxf(benchmark::State &stato, const StatoSviluppo &s)
{
    PiattaformaSilenziosa muta;
    Piattaforma::installa(&muta);
    OpzioniDxf opzioni;
    opzioni.archi = stato.range(0) != 0;
    for (auto _ : stato)
        benchmark::DoNotOptimize(DxfDelleFigure(s, opzioni));
    Piattaforma::installa(nullptr);
}
} // namespace

BENCHMARK_CAPTURE(Dxf, cono_obliquo, figure("100", "150", "80", "70", "80"))->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Dxf, cono_retto, figure("60", "120", "60", "60", "60"))
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Dxf, cono_50m, figure("15000", "25000", "15000", "60", "60"))->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
