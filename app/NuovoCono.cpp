// The workshop figures from the command line, checked and developed as the worksheet does, then saved.
#include "app/NuovoCono.h"

#include "app/NuovoPezzo.h"
#include "app/PiattaformaConsole.h"
#include "documents/EtichetteCommessa.h"
#include "documents/ScartoArrotondamento.h"
#include "geometry/Lamiera.h"
#include "geometry/SceltaForma.h"
#include "geometry/TestiOfficina.h"

const char k_UsoNuovoCono[] =
    "  --new-cone OUT.vorna --d1 MM --d2 MM --height MM [--cut1 GRADI] [--cut2 GRADI]\n"
    "             [--thickness MM --surface inside|outside|mean] [--material NOME|DENSITA]\n"
    "             [--bends N] [--name NOME] [--close AC|BD]\n"
    "                                 scrive la commessa di un tronco dato dalle misure di officina;\n"
    "                                 con OUT.tnt scrive un .tnt e dice su stderr di quanto\n"
    "                                 l'arrotondamento dei testi sposta lo sviluppo\n";

namespace {
// The cone's own options, as the worksheet's fields would hold them.
struct OpzioniCono {
    TestiOfficina officina;
    bool chiudiAC = false;
    int pieghe = 0;
};

bool leggiOpzione(const QString &nome, const QString &valore, OpzioniCono &opzioni, QString &rifiuto)
{
    QString *const officina[] = {&opzioni.officina.D1, &opzioni.officina.D2, &opzioni.officina.H,
                                 &opzioni.officina.Taglio1, &opzioni.officina.Taglio2};
    const QStringList nomiOfficina{QStringLiteral("--d1"), QStringLiteral("--d2"), QStringLiteral("--height"),
                                   QStringLiteral("--cut1"), QStringLiteral("--cut2")};
    if (const qsizetype i = nomiOfficina.indexOf(nome); i >= 0) {
        *officina[i] = valore; // checked as a typed workshop field is
        return true;
    }
    if (nome == QLatin1String("--close")) {
        if (valore != QLatin1String("AC") && valore != QLatin1String("BD"))
            rifiuto = QStringLiteral("Lato di chiusura sconosciuto (AC o BD): ") + valore;
        opzioni.chiudiAC = valore == QLatin1String("AC");
        return true;
    }
    if (nome == QLatin1String("--bends")) {
        bool numero = false;
        opzioni.pieghe = valore.toInt(&numero);
        if (!numero || opzioni.pieghe < 0 || opzioni.pieghe > 360)
            rifiuto = QStringLiteral("Numero di pieghe non valido (da 0 a 360): ") + valore;
        return true;
    }
    return false;
}

FigureSviluppo figureDi(const OpzioniPezzo &comuni, const OpzioniCono &opzioni, const QString &destinazione)
{
    FigureSviluppo figure;
    figure.Nome = NomeDelPezzo(comuni, destinazione, figure.Nome.larghezza());
    figure.ImpostaChiusura(opzioni.chiudiAC ? QStringLiteral("T") : QStringLiteral("F"));
    ApplicaOpzioniLamiera(comuni.lamiera, figure);
    figure.MaterialeLamiera = comuni.materiale;
    figure.Pieghe = opzioni.pieghe;
    return figure;
}

// The piece the worksheet's "Calcola" would develop, or nothing when it would refuse it (told).
std::optional<SorgentePezzo> pezzoDi(const OpzioniPezzo &comuni, const OpzioniCono &opzioni,
                                     const QString &destinazione, bool tnt)
{
    SorgentePezzo pezzo;
    pezzo.tronco = figureDi(comuni, opzioni, destinazione);
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
    if (tnt) {
        const auto scarto = ScartoArrotondamento(pezzo.tronco);
        if (!scarto)
            return std::nullopt;
        ScriviErrore(TestoScarto(*scarto));
    }
    return pezzo;
}
} // namespace

int NuovoCono(const QStringList &argomenti, const NomiDellaRiga &nomi)
{
    OpzioniCono opzioni;
    ComandoNuovoPezzo comando;
    comando.comando = QStringLiteral("--new-cone");
    comando.uso = k_UsoNuovoCono;
    comando.tnt = true;
    comando.opzione = [&](const QString &nome, const QString &valore, QString &rifiuto) {
        return leggiOpzione(nome, valore, opzioni, rifiuto);
    };
    comando.pezzo = [&](const OpzioniPezzo &comuni, const QString &mostrato, bool tnt) {
        return pezzoDi(comuni, opzioni, mostrato, tnt);
    };
    return NuovoPezzo(argomenti, nomi, comando);
}
