// The elbow's figures from the command line, checked as typed fields are, then saved as a job.
#include "app/NuovoGomito.h"

#include "app/NuovoPezzo.h"
#include "app/OpzioniLamiera.h"
#include "app/PiattaformaConsole.h"
#include "app/ValoreOpzione.h"
#include "documents/ArchivioCommessa.h"
#include "documents/PezziGomito.h"
#include "exports/Esportazione.h"
#include "geometry/Lamiera.h"
#include "platform/NomeConEstensione.h"

#include <QFileInfo>

#include <cstdio>

const char k_UsoNuovoGomito[] =
    "  --new-elbow OUT.vorna --d MM [--d2 MM] --radius MM --angle GRADI --pieces N\n"
    "             [--straight MM] [--seam throat|back] [--stagger]\n"
    "             [--thickness MM --surface inside|outside|mean] [--name NOME]\n"
    "             [--material NOME|DENSITA]\n"
    "                                 scrive la commessa di un gomito a spicchi, un pezzo per spicchio\n";

namespace {
enum : int { Riuscita = 0, Rifiutata = 1, Sbagliata = 2 };

struct OpzioniGomito {
    TestiGomito testi;
    GomitoCommessa gomito;
    OpzioniPezzo comuni; // the plate, the name and the material
};

int sbagliata(const QString &motivo)
{
    ScriviErrore(motivo);
    std::fputs(k_UsoNuovoGomito, stderr);
    return Sbagliata;
}

std::optional<QString> leggiOpzione(const QString &nome, const QString &valore, OpzioniGomito &opzioni)
{
    TestiGomito &t = opzioni.testi;
    const std::pair<const char *, QString *> campi[] = {{"--d", &t.D1},         {"--d2", &t.D2},
                                                        {"--radius", &t.R},     {"--angle", &t.Angolo},
                                                        {"--pieces", &t.Pezzi}, {"--straight", &t.Tratto}};
    for (const auto &[opzione, campo] : campi)
        if (nome == QLatin1String(opzione)) {
            *campo = valore; // checked as a typed field is
            return std::nullopt;
        }
    QString rifiuto;
    if (OpzioneComune(nome, valore, opzioni.comuni, rifiuto))
        return rifiuto.isEmpty() ? std::nullopt : std::optional(rifiuto);
    if (nome == QLatin1String("--seam")) {
        // A seam on the side would need a development opened at a generator it does not have.
        if (valore == QLatin1String("side"))
            return QStringLiteral("La cucitura sul fianco non è disponibile: ogni spicchio si chiude sulla gola "
                                  "(throat) o sul dorso (back)");
        if (valore != QLatin1String("throat") && valore != QLatin1String("back"))
            return QStringLiteral("Cucitura sconosciuta (throat o back): ") + valore;
        opzioni.gomito.cucitura = valore == QLatin1String("throat") ? CucituraGomito::Gola : CucituraGomito::Dorso;
        return std::nullopt;
    }
    return QStringLiteral("Opzione sconosciuta: ") + nome;
}

std::optional<QString> leggiOpzioni(QStringList argomenti, OpzioniGomito &opzioni)
{
    opzioni.gomito.sfalsata = argomenti.removeAll(QStringLiteral("--stagger")) > 0;
    if (argomenti.size() % 2 != 0)
        return QStringLiteral("Numero di argomenti errato per --new-elbow");
    for (qsizetype i = 0; i < argomenti.size(); i += 2) {
        const int larghezza = argomenti.at(i) == QLatin1String("--name") ? FigureSviluppo{}.Nome.larghezza() : 0;
        if (const auto rifiuto = ValoreRifiutato(argomenti, i, larghezza))
            return rifiuto;
        if (const auto rifiuto = leggiOpzione(argomenti.at(i), argomenti.at(i + 1).trimmed(), opzioni))
            return rifiuto;
    }
    return LeggiOpzioniLamiera(opzioni.comuni.argomentiLamiera, opzioni.comuni.lamiera);
}
} // namespace

int NuovoGomito(const QStringList &argomenti, const NomiDellaRiga &nomi)
{
    if (argomenti.isEmpty())
        return sbagliata(QStringLiteral("Numero di argomenti errato per --new-elbow"));
    const QString &destinazione = argomenti.first();
    if (!HaEstensione(destinazione, QStringLiteral(".vorna")))
        return sbagliata(QStringLiteral("Un gomito ha più pezzi: il file da scrivere deve avere estensione .vorna: ") +
                         destinazione);
    OpzioniGomito opzioni;
    if (const auto rifiuto = leggiOpzioni(argomenti.mid(1), opzioni))
        return sbagliata(*rifiuto);
    FileDellaRiga file;
    if (const int numero = nomi.Trova(destinazione, true, file)) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, destinazione, MotivoNome(numero)));
        return Sbagliata;
    }

    FigureSviluppo lamiera;
    ApplicaOpzioniLamiera(opzioni.comuni.lamiera, lamiera);
    lamiera.MaterialeLamiera = opzioni.comuni.materiale;
    PiattaformaConsole console;
    Piattaforma::installa(&console);
    CampoGomito campo = CampoGomito::Nessuno;
    const auto figure = ValidaGomito(opzioni.testi, ValoreSpessore(lamiera), campo);
    Piattaforma::installa(nullptr);
    if (!figure)
        return Rifiutata;
    opzioni.gomito.figure = *figure;
    const QString nome = opzioni.comuni.nome.value_or(QFileInfo(file.mostrato).completeBaseName());
    const auto commessa = CommessaDelGomito(nome, opzioni.gomito, lamiera);
    if (!commessa)
        return Rifiutata;
    if (const EsitoFile esito = SalvaCommessa(file.percorso, *commessa); !esito) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, file.mostrato, esito.motivo));
        return Sbagliata;
    }
    return Riuscita;
}
