// The workshop figures from the command line, checked and developed as the worksheet does, then saved.
#include "app/NuovoCono.h"

#include "app/OpzioniLamiera.h"
#include "app/PiattaformaConsole.h"
#include "app/ValoreOpzione.h"
#include "documents/ArchivioCommessa.h"
#include "documents/EtichetteCommessa.h"
#include "documents/ScartoArrotondamento.h"
#include "exports/Esportazione.h"
#include "geometry/Lamiera.h"
#include "geometry/SceltaForma.h"
#include "geometry/TestiOfficina.h"
#include "platform/NomeConEstensione.h"

#include <QFileInfo>
#include <QLocale>

#include <cstdio>

const char k_UsoNuovoCono[] =
    "  --new-cone OUT.vorna --d1 MM --d2 MM --height MM [--cut1 GRADI] [--cut2 GRADI]\n"
    "             [--thickness MM --surface inside|outside|mean] [--material NOME|DENSITA]\n"
    "             [--bends N] [--name NOME] [--close AC|BD]\n"
    "                                 scrive la commessa di un tronco dato dalle misure di officina;\n"
    "                                 con OUT.tnt scrive un .tnt e dice su stderr di quanto\n"
    "                                 l'arrotondamento dei testi sposta lo sviluppo\n";

namespace {
enum : int { Riuscita = 0, Rifiutata = 1, Sbagliata = 2 };

// The options after the file name, as the worksheet's fields would hold them.
struct OpzioniCono {
    TestiOfficina officina;
    QStringList argomentiLamiera; // --thickness and --surface, read by LeggiOpzioniLamiera
    OpzioniLamiera lamiera;
    std::optional<QString> nome;
    bool chiudiAC = false;
    Materiale materiale;
    int pieghe = 0;
};

int sbagliata(const QString &motivo)
{
    ScriviErrore(motivo);
    std::fputs(k_UsoNuovoCono, stderr);
    return Sbagliata;
}

std::optional<Materiale> materialeDi(const QString &valore)
{
    for (const Materiale &materiale : MaterialiComuni())
        if (valore.compare(materiale.nome, Qt::CaseInsensitive) == 0)
            return materiale;
    bool numero = false;
    const double densita = QLocale::c().toDouble(valore, &numero);
    if (numero && densita > 0 && densita < 100)
        return Materiale{QStringLiteral("Altro"), densita};
    return std::nullopt;
}

// One option and its value into `opzioni`; the reason when either is wrong.
std::optional<QString> leggiOpzione(const QString &nome, const QString &valore, OpzioniCono &opzioni)
{
    QString *const officina[] = {&opzioni.officina.D1, &opzioni.officina.D2, &opzioni.officina.H,
                                 &opzioni.officina.Taglio1, &opzioni.officina.Taglio2};
    const QStringList nomiOfficina{QStringLiteral("--d1"), QStringLiteral("--d2"), QStringLiteral("--height"),
                                   QStringLiteral("--cut1"), QStringLiteral("--cut2")};
    if (const qsizetype i = nomiOfficina.indexOf(nome); i >= 0) {
        *officina[i] = valore; // checked as a typed workshop field is
        return std::nullopt;
    }
    if (nome == QLatin1String("--thickness") || nome == QLatin1String("--surface")) {
        opzioni.argomentiLamiera << nome << valore;
        return std::nullopt;
    }
    if (nome == QLatin1String("--name")) {
        opzioni.nome = valore;
        return std::nullopt;
    }
    if (nome == QLatin1String("--close")) {
        if (valore != QLatin1String("AC") && valore != QLatin1String("BD"))
            return QStringLiteral("Lato di chiusura sconosciuto (AC o BD): ") + valore;
        opzioni.chiudiAC = valore == QLatin1String("AC");
        return std::nullopt;
    }
    if (nome == QLatin1String("--material")) {
        const auto materiale = materialeDi(valore);
        if (!materiale)
            return QStringLiteral("Materiale sconosciuto (Acciaio, Inox, Alluminio, Rame, Ottone o la densità in "
                                  "kg/dm³ tra 0 e 100): ") +
                   valore;
        opzioni.materiale = *materiale;
        return std::nullopt;
    }
    if (nome == QLatin1String("--bends")) {
        bool numero = false;
        opzioni.pieghe = valore.toInt(&numero);
        if (!numero || opzioni.pieghe < 0 || opzioni.pieghe > 360)
            return QStringLiteral("Numero di pieghe non valido (da 0 a 360): ") + valore;
        return std::nullopt;
    }
    return QStringLiteral("Opzione sconosciuta: ") + nome;
}

std::optional<QString> leggiOpzioni(const QStringList &argomenti, OpzioniCono &opzioni)
{
    for (qsizetype i = 0; i < argomenti.size(); i += 2) {
        const int larghezza = argomenti.at(i) == QLatin1String("--name") ? FigureSviluppo{}.Nome.larghezza() : 0;
        if (const auto rifiuto = ValoreRifiutato(argomenti, i, larghezza))
            return rifiuto;
        if (const auto rifiuto = leggiOpzione(argomenti.at(i), argomenti.at(i + 1).trimmed(), opzioni))
            return rifiuto;
    }
    return LeggiOpzioniLamiera(opzioni.argomentiLamiera, opzioni.lamiera);
}

FigureSviluppo figureDi(const OpzioniCono &opzioni, const QString &destinazione)
{
    FigureSviluppo figure;
    figure.Nome = opzioni.nome.value_or(QFileInfo(destinazione).completeBaseName().left(figure.Nome.larghezza()));
    figure.ImpostaChiusura(opzioni.chiudiAC ? QStringLiteral("T") : QStringLiteral("F"));
    ApplicaOpzioniLamiera(opzioni.lamiera, figure);
    figure.MaterialeLamiera = opzioni.materiale;
    figure.Pieghe = opzioni.pieghe;
    return figure;
}

// The piece the worksheet's "Calcola" would develop, or nothing when it would refuse it (told).
std::optional<SorgentePezzo> pezzoDi(const OpzioniCono &opzioni, const QString &destinazione)
{
    SorgentePezzo pezzo;
    pezzo.tronco = figureDi(opzioni, destinazione);
    CampoOfficina campo = CampoOfficina::Nessuno;
    const auto officina = ValidaOfficina(opzioni.officina, ValoreSpessore(pezzo.tronco), campo);
    if (!officina)
        return std::nullopt;
    ImpostaOfficina(pezzo.tronco, *officina);
    StatoSviluppo sviluppato;
    static_cast<FigureSviluppo &>(sviluppato) = pezzo.tronco;
    if (!SviluppaSenzaDisegno(sviluppato))
        return std::nullopt;
    // A .tnt names the shape by the plot routine the development chose.
    pezzo.disegno.routineStampa = sviluppato.RoutineStampa;
    CompletaDisegno(pezzo);
    return pezzo;
}
} // namespace

int NuovoCono(const QStringList &argomenti, const NomiDellaRiga &nomi)
{
    if (argomenti.isEmpty() || argomenti.size() % 2 == 0)
        return sbagliata(QStringLiteral("Numero di argomenti errato per --new-cone"));
    const QString &destinazione = argomenti.first();
    if (!EstensioneCommessa(destinazione))
        return sbagliata(QStringLiteral("Il file da scrivere deve avere estensione .vorna o .tnt: ") + destinazione);
    OpzioniCono opzioni;
    if (const auto rifiuto = leggiOpzioni(argomenti.mid(1), opzioni))
        return sbagliata(*rifiuto);
    FileDellaRiga file;
    if (const int numero = nomi.Trova(destinazione, true, file)) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, destinazione, MotivoNome(numero)));
        return Sbagliata;
    }

    PiattaformaConsole console;
    Piattaforma::installa(&console);
    const auto pezzo = pezzoDi(opzioni, file.mostrato);
    const bool tnt = HaEstensione(destinazione, QStringLiteral(".tnt"));
    std::optional<double> scarto = 0.0;
    if (pezzo && tnt)
        scarto = ScartoArrotondamento(pezzo->tronco);
    Piattaforma::installa(nullptr);
    if (!pezzo || !scarto)
        return Rifiutata;
    if (tnt)
        ScriviErrore(TestoScarto(*scarto));

    Commessa commessa;
    commessa.nome = TrimBlank(pezzo->tronco.Nome);
    commessa.pezzi = {*pezzo};
    if (const EsitoFile esito = SalvaCommessa(file.percorso, commessa); !esito) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, file.mostrato, esito.motivo));
        return Sbagliata;
    }
    return Riuscita;
}
