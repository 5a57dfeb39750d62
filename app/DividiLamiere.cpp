// The split from the command line: options checked first, the options ranked on stdout, the chosen
// one nested and its files written.
#include "app/DividiLamiere.h"

#include "app/PiattaformaConsole.h"
#include "app/ValoreOpzione.h"
#include "documents/ArchivioCommessa.h"
#include "plates/FileLamiere.h"
#include "plates/ScritturaLamiere.h"
#include "plates/UsciteLamiere.h"
#include "platform/FileSicuro.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

const char k_UsoDividi[] =
    "  --split FILE.tnt CARTELLA [--plates 3000x1500,6000x2000] [--gap MM] [--kerf MM] [--margin MM]\n"
    "          [--pieces K] [--strakes S] [--trim MM] [--trim-edges base|top|both] [--tables] [--pdf]\n"
    "                                 divide lo sviluppo in pezzi che entrano nelle lamiere (senza\n"
    "                                 --plates quelle di Lamiere.dat), li dispone e scrive nella\n"
    "                                 CARTELLA lamiera-1.dxf ... e lamiere.csv; luce di saldatura\n"
    "                                 --gap da 0 a 50 mm (0), distanza di taglio --kerf da 0 a 100 mm\n"
    "                                 (10), margine --margin da 0 a 200 mm (10); senza --pieces né\n"
    "                                 --strakes sceglie la divisione migliore e stampa la classifica;\n"
    "                                 sfrido --trim da 0 a 200 mm (0) sui bordi --trim-edges (both);\n"
    "                                 --tables scrive pezzo-NOME.csv, i punti di ogni pezzo, --pdf\n"
    "                                 pezzo-NOME.pdf, ogni pezzo a grandezza naturale in fogli A4\n";

namespace {
enum : int { Riuscita = 0, Rifiutata = 1, Sbagliata = 2 };

int sbagliata(const QString &motivo)
{
    ScriviErrore(motivo);
    std::fputs(k_UsoDividi, stderr);
    return Sbagliata;
}

struct OpzioniDividi {
    std::optional<std::vector<Lamiera>> lamiere;
    RichiestaDivisione richiesta;
    UsciteFacoltative facoltative;
};

std::optional<QString> misura(const QString &nome, const QString &valore, double massimo, double &dove)
{
    bool numero = false;
    const double v = QLocale::c().toDouble(valore, &numero);
    if (!numero || v < 0 || v > massimo)
        return QStringLiteral("Valore non valido per %1 (da 0 a %2 mm): %3").arg(nome).arg(massimo).arg(valore);
    dove = v;
    return std::nullopt;
}

std::optional<QString> conta(const QString &nome, const QString &valore, int massimo, int &dove, bool &fisso)
{
    bool numero = false;
    const int v = valore.toInt(&numero);
    if (!numero || v < 1 || v > massimo)
        return QStringLiteral("Valore non valido per %1 (da 1 a %2): %3").arg(nome).arg(massimo).arg(valore);
    dove = v;
    fisso = true;
    return std::nullopt;
}

std::optional<QString> leggiOpzione(const QString &nome, const QString &valore, OpzioniDividi &o)
{
    RichiestaDivisione &r = o.richiesta;
    if (nome == QLatin1String("--plates")) {
        QString motivo;
        o.lamiere = LeggiElencoLamiere(valore, &motivo);
        return o.lamiere ? std::nullopt : std::optional<QString>(motivo);
    }
    if (nome == QLatin1String("--gap"))
        return misura(nome, valore, k_LuceMassima, r.divisione.luce);
    if (nome == QLatin1String("--kerf"))
        return misura(nome, valore, k_KerfMassimo, r.regole.kerf);
    if (nome == QLatin1String("--margin"))
        return misura(nome, valore, k_MargineMassimo, r.regole.margine);
    if (nome == QLatin1String("--trim"))
        return misura(nome, valore, k_SfridoMassimo, r.divisione.sfrido);
    if (nome == QLatin1String("--trim-edges")) {
        const bool base = valore == QLatin1String("base"), cima = valore == QLatin1String("top");
        if (!base && !cima && valore != QLatin1String("both"))
            return QStringLiteral("Valore non valido per %1 (base, top o both): %2").arg(nome, valore);
        r.divisione.sfridoBase = !cima;
        r.divisione.sfridoCima = !base;
        return std::nullopt;
    }
    if (nome == QLatin1String("--pieces"))
        return conta(nome, valore, k_MassimoParti, r.divisione.parti, r.partiFisse);
    if (nome == QLatin1String("--strakes"))
        return conta(nome, valore, k_MassimoCorsi, r.divisione.corsi, r.corsiFissi);
    return QStringLiteral("Opzione sconosciuta: ") + nome;
}

} // namespace

int DividiLamiere(const QStringList &argomenti, const NomiDellaRiga &nomi)
{
    OpzioniDividi opzioni;
    // The two switches take no value: out before the pairs are read.
    QStringList resto = argomenti.mid(2);
    opzioni.facoltative.tabelle = resto.removeAll(QStringLiteral("--tables")) > 0;
    opzioni.facoltative.pdf = resto.removeAll(QStringLiteral("--pdf")) > 0;
    if (argomenti.size() < 2 || resto.size() % 2 != 0)
        return sbagliata(QStringLiteral("Numero di argomenti errato per --split"));
    const QString &origine = argomenti[0], &cartella = argomenti[1];
    if (!EstensioneCommessa(origine))
        return sbagliata(QStringLiteral("Il file da dividere deve avere estensione .tnt o .vorna: ") + origine);
    for (qsizetype i = 0; i < resto.size(); i += 2) {
        if (const auto rifiuto = ValoreRifiutato(resto, i))
            return sbagliata(*rifiuto);
        if (const auto rifiuto = leggiOpzione(resto[i], resto[i + 1].trimmed(), opzioni))
            return sbagliata(*rifiuto);
    }
    // A split named in part is named whole: the count not given is 1.
    RichiestaDivisione &r = opzioni.richiesta;
    r.partiFisse = r.corsiFissi = r.partiFisse || r.corsiFissi;
    if (!opzioni.lamiere) {
        QString motivo;
        opzioni.lamiere = LeggiLamiere(k_FileLamiere, &motivo);
        if (!opzioni.lamiere) {
            ScriviErrore(motivo);
            return Sbagliata;
        }
    }
    FileDellaRiga da, a;
    if (const int numero = nomi.Trova(origine, false, da)) {
        ScriviErrore(MessaggioApertura(origine, EsitoFile::Fallito(MotivoNome(numero))));
        return Sbagliata;
    }
    if (const int numero = nomi.Trova(cartella, true, a)) {
        ScriviErrore(QStringLiteral("Cartella non utilizzabile: %1: %2").arg(cartella, MotivoNome(numero)));
        return Sbagliata;
    }
    Commessa commessa;
    QString avviso;
    if (const EsitoFile esito = ApriCommessa(da.percorso, commessa, &avviso, da.mostrato); !esito) {
        ScriviErrore(MessaggioApertura(da.mostrato, esito));
        return Sbagliata;
    }

    PiattaformaConsole console;
    Piattaforma::installa(&console);
    Lamiera minimo;
    const std::vector<OpzioneDivisione> classifica =
        OpzioniDivisione(commessa.pezzi.front().tronco, *opzioni.lamiere, opzioni.richiesta, &minimo);
    Piattaforma::installa(nullptr);
    if (classifica.empty()) {
        if (minimo.larghezza > 0 && minimo.larghezza < 1e299)
            ScriviErrore(QStringLiteral("Nessuna lamiera può contenere nemmeno il pezzo più piccolo proposto: "
                                        "serve almeno una lamiera di %1 mm")
                             .arg(TestoMisura(minimo)));
        return Rifiutata;
    }
    if (!opzioni.richiesta.partiFisse && !opzioni.richiesta.corsiFissi)
        for (size_t n = 0; n < classifica.size(); ++n)
            std::fputs(qPrintable(RigaClassifica(int(n) + 1, classifica[n]) + QLatin1Char('\n')), stdout);
    // The PDF's texts need Qt's fonts, hence an application; never a display.
    std::optional<QGuiApplication> applicazione;
    int argc = 1;
    char nome[] = "vorna";
    char *argv[] = {nome, nullptr};
    if (opzioni.facoltative.pdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        applicazione.emplace(argc, argv);
    }
    if (const auto rifiuto = ScriviUsciteLamiere(classifica.front(), a.percorso, opzioni.facoltative)) {
        ScriviErrore(*rifiuto);
        return Sbagliata;
    }
    return Riuscita;
}
