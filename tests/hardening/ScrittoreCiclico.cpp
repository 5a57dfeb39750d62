// Test helper: rewrites one file for ever, alternating two complete contents, until it is killed.
// Usage: vorna_scrittore_ciclico tnt|tara|dxf FILE. Prints "pronto" once the first write is done.
#include "FigureCiclo.h"

#include "calibration/ProcedureTara.h"
#include "exports/EsportaDxf.h"
#include "platform/PiattaformaSilenziosa.h"

#include <cstdio>
#include <cstring>

namespace {
bool scrivi(const char *modo, const QString &file, bool primo)
{
    if (std::strcmp(modo, "tnt") == 0)
        return ScriviRecordSviluppo(file, primo ? RecordCiclo(1) : RecordCiclo(2)) == EsitoFileSviluppo::Ok;
    if (std::strcmp(modo, "dxf") == 0)
        return EsportaDxf(primo ? FiguraCiclo(1) : FiguraCiclo(2), file) == EsitoEsportazione::Ok;
    // Taratura.dat: a third calibration added, then removed again; a file killed
    // with three is taken up from there.
    if (ContaTarature(file) == 3)
        return RimuoviTara(2, 3, file) == EsitoTara::Eseguito;
    return SalvaTara(TaraCiclo(), file).esito == EsitoTara::Eseguito;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    PiattaformaSilenziosa silenziosa; // the removal's question is answered OK
    Piattaforma::installa(&silenziosa);
    const QString file = QString::fromLocal8Bit(argv[2]);
    for (unsigned long giro = 0;; ++giro) {
        if (!scrivi(argv[1], file, giro % 2 == 0))
            return 1;
        if (giro == 0) {
            std::puts("pronto");
            std::fflush(stdout);
        }
    }
}
