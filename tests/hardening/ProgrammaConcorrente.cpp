// Test helper: a second program changing Taratura.dat at the same time as the test.
// Usage: vorna_programma_concorrente aggiungi FILE NOME N   saves NOME-0 ... NOME-(N-1)
//        vorna_programma_concorrente rimuovi FILE NOME N    removes them by name, as the manager does
//        vorna_programma_concorrente blocca FILE            holds the file's lock, prints "pronto",
//                                                         lets go when its input closes
// Exit status 0 when every change was done.
#include "calibration/ProcedureTara.h"
#include "platform/BloccoFile.h"
#include "platform/Piattaforma.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// The user at this program's screen: confirms only the removal of the calibration meant, as one
// reading the question would; says no to any other question.
class Utente final : public Piattaforma {
public:
    int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &) override
    {
        if (pulsanti == Pulsanti::OK)
            return RispostaOK;
        return prompt == domandaAttesa ? RispostaOK : RispostaAnnulla;
    }
    void Beep() override {}
    std::optional<QString> DialogoApri(const RichiestaFile &) override { return std::nullopt; }
    std::optional<QString> DialogoSalva(const RichiestaFile &) override { return std::nullopt; }
    bool DialogoStampante(QPrinter &) override { return false; }

    QString domandaAttesa;
};

Utente g_utente;

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

// The list is read, then the file changes under it: the entry chosen may then name another
// calibration, which the user declines, and chooses again from a fresh list.
bool rimuovi(const QString &file, const char *prefisso, int quante)
{
    constexpr int k_Tentativi = 1000;
    for (int i = 0; i < quante; ++i) {
        g_utente.domandaAttesa = QStringLiteral("Elimino definitivamente: ") + nome(prefisso, i) + QLatin1Char('?');
        EsitoTara esito = EsitoTara::Rinunciato;
        for (int tentativo = 0; esito == EsitoTara::Rinunciato && tentativo < k_Tentativi; ++tentativo) {
            const QStringList nomi = NomiTarature(file);
            esito = RimuoviTara(int(nomi.indexOf(nome(prefisso, i))), int(nomi.size()), file);
        }
        if (esito != EsitoTara::Eseguito)
            return false;
    }
    return true;
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
    Piattaforma::installa(&g_utente);
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
