// Time of one calculation: validation, development and plot into a display list, cone and cylinder.
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/GeneratoriFacce.h"
#include "geometry/SviluppoDenso.h"
#include "platform/PiattaformaSilenziosa.h"
#include "plot/ElencoVisualizzazione.h"
#include "tests/support/FinestraMuta.h"

#include <benchmark/benchmark.h>

namespace {
struct Figure {
    const char *AC, *AB, *BD, *Alfa, *Beta;
    const char *Spessore = "";
};
constexpr Figure k_Cono{"80", "100", "60", "50", "70"};
constexpr Figure k_Cilindro{"50", "100", "80", "60", "120"};
constexpr Figure k_ConoLamiera{"80", "100", "60", "50", "70", "3"}; // outside figures

void ImpostaFigure(StatoSviluppo &s, const Figure &f)
{
    s.Nome = QStringLiteral("Banco");
    s.TestoAC = QString::fromLatin1(f.AC);
    s.TestoAB = QString::fromLatin1(f.AB);
    s.TestoBD = QString::fromLatin1(f.BD);
    s.TestoAlfa = QString::fromLatin1(f.Alfa);
    s.TestoBeta = QString::fromLatin1(f.Beta);
    s.ChiudiAC = QStringLiteral("T");
    s.TestoSpessore = QString::fromLatin1(f.Spessore);
}

void Calcolo(benchmark::State &stato, const Figure &figure)
{
    PiattaformaSilenziosa muta;
    Piattaforma::installa(&muta);
    StatoSviluppo s;
    FinestraMuta finestra;
    ContestoCalcolo c{s, &finestra, nullptr};
    for (auto _ : stato) {
        ImpostaFigure(s, figure);
        benchmark::DoNotOptimize(CalcolaSviluppo(c));
        benchmark::DoNotOptimize(finestra.superficie.elementi().data());
    }
    Piattaforma::installa(nullptr);
}

void Denso(benchmark::State &stato, const Figure &figure)
{
    PiattaformaSilenziosa muta;
    Piattaforma::installa(&muta);
    StatoSviluppo s;
    ProfiloSviluppo profilo;
    for (auto _ : stato) {
        ImpostaFigure(s, figure);
        benchmark::DoNotOptimize(SviluppoVero(s, int(stato.range(0)), profilo));
    }
    Piattaforma::installa(nullptr);
}

// The ordinate table's extra work for a plate: both faces developed again.
void Facce(benchmark::State &stato, const Figure &figure)
{
    PiattaformaSilenziosa muta;
    Piattaforma::installa(&muta);
    StatoSviluppo s;
    ImpostaFigure(s, figure);
    for (auto _ : stato)
        benchmark::DoNotOptimize(GeneratoriDelleFacce(s));
    Piattaforma::installa(nullptr);
}
} // namespace

BENCHMARK_CAPTURE(Calcolo, cono, k_Cono);
BENCHMARK_CAPTURE(Calcolo, cono_lamiera, k_ConoLamiera);
BENCHMARK_CAPTURE(Facce, cono_lamiera, k_ConoLamiera);
BENCHMARK_CAPTURE(Calcolo, cilindro, k_Cilindro);
BENCHMARK_CAPTURE(Denso, cono, k_Cono)->Arg(31)->Arg(1000);
BENCHMARK_CAPTURE(Denso, cilindro, k_Cilindro)->Arg(31)->Arg(1000);

BENCHMARK_MAIN();
