// Test helper: a second program changing Taratura.dat at the same time as the test.
// Usage: vorna_programma_concorrente aggiungi FILE NOME N   saves NOME-0 ... NOME-(N-1)
//        vorna_programma_concorrente rimuovi FILE NOME N    removes them by name, as the manager does
//        vorna_programma_concorrente blocca FILE            holds the file's lock, prints "pronto",
//                                                         lets go when its input closes
// Exit status 0 when every change was done.
#include "calibration/ProcedureTara.h"
#include "platform/BloccoFile.h"
#include "platform/PiattaformaSilenziosa.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
QString nome(const char *prefisso, int i) { return QStringLiteral("%1-%2").arg(QLatin1String(prefisso)).arg(i); }

bool aggiungi(const QString &file, const char *prefisso, int quante)
{
    bool tutte = true;
    for (int i = 0; i < quante; ++i) {
        RecordTara r = TaraDefault();
        r.NomeTara = nome(prefisso, i);
        r.XRea1 = QString::number(i);
        tutte = SalvaTara(r, file).esito == EsitoTara::Eseguito && tutte;
    }
    return tutte;
}

bool rimuovi(const QString &file, const char *prefisso, int quante)
{
    bool tutte = true;
    for (int i = 0; i < quante; ++i) {
        const QStringList nomi = NomiTarature(file);
        tutte = RimuoviTara(int(nomi.indexOf(nome(prefisso, i))), int(nomi.size()), file) == EsitoTara::Eseguito && tutte;
    }
    return tutte;
}

bool blocca(const QString &file)
{
    BloccoFile blocco(file);
    if (!blocco.Prendi())
        return false;
    std::puts("pronto");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    PiattaformaSilenziosa silenziosa; // every question answered OK
    Piattaforma::installa(&silenziosa);
    if (argc == 3 && std::strcmp(argv[1], "blocca") == 0)
        return blocca(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 5)
        return 2;
    const QString file = QString::fromLocal8Bit(argv[2]);
    const int quante = std::atoi(argv[4]);
    if (std::strcmp(argv[1], "aggiungi") == 0)
        return aggiungi(file, argv[3], quante) ? 0 : 1;
    if (std::strcmp(argv[1], "rimuovi") == 0)
        return rimuovi(file, argv[3], quante) ? 0 : 1;
    return 2;
}
