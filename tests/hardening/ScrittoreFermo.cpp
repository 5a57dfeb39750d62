// Test helper: one safe write of a file that stops at a given step until its input closes.
// Usage: vorna_scrittore_fermo FILE PASSO [senza-anonimi]
// PASSO "scrivi": stops before the first byte; "rinomina": with the whole content in its named
// temporary, just before the rename. "senza-anonimi": as on a file system without anonymous
// files. Prints "fermo" when stopped; exit status 0 once the file is written.
#include "platform/FileSicuro.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    const bool senzaAnonimi = argc > 3 && std::strcmp(argv[3], "senza-anonimi") == 0;
    const char *fermata = argv[2];
    ImpostaGuastoSimulato([&](const char *passo) {
        if (senzaAnonimi && std::strcmp(passo, "anonimo") == 0)
            return true;
        if (std::strcmp(passo, fermata) == 0) {
            std::puts("fermo");
            std::fflush(stdout);
            while (std::getchar() != EOF) {
            }
        }
        return false;
    });
    return ScriviFileSicuro(QString::fromLocal8Bit(argv[1]), QByteArray("contenuto completo\n").repeated(1000)) ? 0 : 1;
}
