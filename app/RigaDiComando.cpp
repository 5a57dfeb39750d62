// The batch commands: export a .tnt development or a .vorna job as DXF, CSV or tiled PDF, help and version; no display needed.
#include "app/RigaDiComando.h"

#include "app/InfoCommessa.h"
#include "app/DividiLamiere.h"
#include "app/NomiDellaRiga.h"
#include "app/NuovoCono.h"
#include "app/NuovoGomito.h"
#include "app/NuovoEccentrico.h"
#include "app/PiattaformaConsole.h"
#include "calibration/ControlliTara.h"
#include "calibration/FileTaratura.h"
#include "calibration/TaraturaPerNome.h"
#include "platform/NomeConEstensione.h"
#include "app/OpzioniLamiera.h"
#include "documents/RecordSviluppo.h"
#include "calibration/TaraturaCarta.h"
#include "app/ValoreOpzione.h"
#include "documents/ArchivioCommessa.h"
#include "exports/EsportaCommessa.h"
#include "exports/EsportaPdf.h"
#include "exports/FormatiEsportazione.h"
#include "fogli/MessaggiFogli.h"
#include "exports/PezzoDellaCommessa.h"
#include "geometry/ValidaConoObliquo.h"
#include "pieces/PezzoDelTronco.h"
#include "pieces/PiegheTronco.h"
#include "platform/TestoFisso.h"

#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <new>

namespace {
// Exit codes of the batch commands.
enum : int { UscitaRiuscita = 0, UscitaDatiRifiutati = 1, UscitaErroreFile = 2 };

const char k_Uso[] =
    "Uso: vorna [FILE.tnt ... | --export-dxf [--arcs] [--generators] FILE.tnt OUT.dxf |\n"
    "            --export-csv FILE.tnt OUT.csv | --export-pdf FILE.tnt OUT.pdf [OPZIONI] |\n"
    "            --info FILE.tnt [--json] | --help | --version]\n"
    "Senza argomenti apre la finestra del programma; i file .tnt nominati si aprono ciascuno in una\n"
    "finestra. Al posto di FILE.tnt si può dare una commessa FILE.vorna: se ne usa il primo pezzo.\n"
    "  --export-dxf FILE.tnt OUT.dxf  esporta lo sviluppo in DXF (R12) a grandezza reale, in mm\n"
    "      --strip                              di un gomito a diametro costante, la striscia annidata\n"
    "    --piece K                    di una commessa .vorna, il solo pezzo K (da 1 al numero di pezzi)\n"
    "    --arcs                       i bordi circolari come archi esatti della polilinea\n"
    "    --generators                 le generatrici sul layer GENERATRICI, per la marcatura\n"
    "    --bends N                    N linee di piega sul layer PIEGHE (0: nessuna), al posto di quelle\n"
    "                                 salvate nel file\n"
    "  --export-csv FILE.tnt OUT.csv  esporta la tabella delle ordinate dello sviluppo in CSV\n"
    "    dopo i due file del DXF o del CSV:\n"
    "      --thickness MM             spessore della lamiera (0: nessuno)\n"
    "      --surface inside|outside|mean  quote interne, esterne o medie\n"
    "                                 al posto di quelli salvati nel file\n"
    "  --export-pdf FILE.tnt OUT.pdf  esporta lo sviluppo a grandezza naturale in PDF, diviso in fogli\n"
    "                                 da incollare, con una copertina (di una commessa di più pezzi,\n"
    "                                 ogni pezzo con la sua copertina e i suoi fogli); opzioni:\n"
    "      --paper A4|A3|Letter                 carta (A4)\n"
    "      --orientation auto|portrait|landscape  orientamento dei fogli (auto: il minor numero)\n"
    "      --overlap MM                         sovrapposizione tra fogli, da 0 a 30 mm (10)\n"
    "      --calibration NOME                   applica la taratura NOME di Taratura.dat, su fogli\n"
    "                                           orizzontali come la griglia (senza: nessuna correzione)\n"
    "      --wrap                               di una commessa (un gomito), le dime da avvolgere sul tubo\n"
    "      --piece K                            di una commessa, i fogli (o le dime) del solo pezzo K\n"
    "  --info FILE.tnt [--json]       scrive i dati di officina dello sviluppo, righe \"chiave: valore\"\n"
    "                                 o, con --json, un oggetto JSON\n"
    "  --help                         mostra questo aiuto\n"
    "  --version                      mostra la versione\n"
    "Uscita: 0 riuscita, 1 dati dello sviluppo non validi o sviluppo troppo grande, 2 file non\n"
    "leggibile o non scrivibile, argomenti errati, taratura sconosciuta o foglio troppo piccolo.\n";

// The options of an export, from its command line.
struct OpzioniRiga {
    OpzioniEsportazione esportazione;
    OpzioniLamiera lamiera;
    QString taratura;          // the calibration named; empty: none
    std::optional<int> pieghe; // --bends, over the job's own
    bool striscia = false;     // --strip: an elbow's nested strip
    std::optional<int> pezzo;  // --piece: that piece alone, counted from 1
    bool dime = false;         // --wrap: a job's wrap-around templates in place of its blanks
};

int usoSbagliato(const QString &motivo)
{
    ScriviErrore(motivo);
    std::fputs(k_Uso, stderr);
    return UscitaErroreFile;
}

int errore(const QString &testo)
{
    ScriviErrore(testo);
    return UscitaErroreFile;
}

// The names must not be swapped by mistake: a .tnt or .vorna file is never the one written.
std::optional<int> nomiRifiutati(const QString &origine, const QString &destinazione, const QString &estensione)
{
    if (!EstensioneCommessa(origine))
        return errore(QStringLiteral("Il file da esportare deve avere estensione .tnt o .vorna: ") + origine);
    if (!HaEstensione(destinazione, estensione))
        return errore(QStringLiteral("Il file di destinazione deve avere estensione ") + estensione +
                      QStringLiteral(": ") + destinazione);
    return std::nullopt;
}

// The figures of the first piece of the job in `origine`, with the notice of what was not read in
// `avviso`, or the exit code of a file that cannot be read (already told).
std::optional<int> leggiFigure(const FileDellaRiga &origine, SorgentePezzo &pezzo, QString &avviso,
                               Commessa *tutta = nullptr)
{
    Commessa commessa;
    if (const EsitoFile esito = ApriCommessa(origine.percorso, commessa, &avviso, origine.mostrato); !esito)
        return errore(MessaggioApertura(origine.mostrato, esito));
    pezzo = commessa.pezzi.front();
    if (tutta)
        *tutta = std::move(commessa);
    return std::nullopt;
}

// The options' plate over the piece's own; an eccentric reducer's is checked again as the
// worksheet checks it (told), false when refused.
bool applicaLamiera(const OpzioniLamiera &lamiera, SorgentePezzo &pezzo)
{
    switch (pezzo.solido) {
    case TipoSolido::Tronco:
        ApplicaOpzioniLamiera(lamiera, pezzo.tronco);
        return true;
    case TipoSolido::Eccentrico:
        break;
    }
    if (!lamiera.spessore && !lamiera.quote)
        return true;
    ConoObliquo &c = pezzo.eccentrico.cono;
    const auto testo = [](double v) { return QString::number(v, 'g', 17); };
    const TestiConoObliquo testi{testo(c.D1),
                                 testo(c.D2),
                                 testo(c.H),
                                 testo(c.Scostamento),
                                 lamiera.spessore.value_or(testo(c.Spessore)),
                                 lamiera.quote.value_or(c.Quote)};
    CampoConoObliquo campo = CampoConoObliquo::Nessuno;
    const auto cono = ValidaConoObliquo(testi, campo);
    if (cono)
        c = *cono;
    return cono.has_value();
}

// The two files of an export as the system names them, or the exit code of one that cannot be
// reached (already told).
std::optional<int> trovaFile(const NomiDellaRiga &nomi, const QString &origine, const QString &destinazione,
                             FileDellaRiga &da, FileDellaRiga &a)
{
    if (const int numero = nomi.Trova(origine, false, da))
        return errore(MessaggioApertura(origine, EsitoFile::Fallito(MotivoNome(numero))));
    if (const int numero = nomi.Trova(destinazione, true, a))
        return errore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, destinazione, MotivoNome(numero)));
    return std::nullopt;
}

// The messages of the exports go to stderr while it lives.
class ConsoleInstallata {
public:
    ConsoleInstallata() { Piattaforma::installa(&m_console); }
    ~ConsoleInstallata() { Piattaforma::installa(nullptr); }
    ConsoleInstallata(const ConsoleInstallata &) = delete;
    ConsoleInstallata &operator=(const ConsoleInstallata &) = delete;

private:
    PiattaformaConsole m_console;
};

int uscitaEsportazione(EsitoEsportazione esito, const QString &destinazione, const QString &motivo)
{
    switch (esito) {
    case EsitoEsportazione::Ok:
        return UscitaRiuscita;
    case EsitoEsportazione::DatiRifiutati:
        return UscitaDatiRifiutati;
    case EsitoEsportazione::NonScrivibile:
    case EsitoEsportazione::Vietata:
        break;
    }
    return errore(MessaggioEsportazione(esito, destinazione, motivo));
}

// --paper's names, as the usage lists them.
std::optional<QPageSize> cartaDi(const QString &nome)
{
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::Letter}) {
        const QPageSize carta(id);
        if (nome.compare(carta.key(), Qt::CaseInsensitive) == 0)
            return carta;
    }
    return std::nullopt;
}

std::optional<OrientamentoFogli> orientamentoDi(const QString &nome)
{
    if (nome == QLatin1String("auto"))
        return OrientamentoFogli::Automatico;
    if (nome == QLatin1String("portrait"))
        return OrientamentoFogli::Verticale;
    if (nome == QLatin1String("landscape"))
        return OrientamentoFogli::Orizzontale;
    return std::nullopt;
}

// The PDF's options after the two names into `riga`, or the exit code of a wrong one.
std::optional<int> leggiOpzioniPdf(const QStringList &argomenti, OpzioniRiga &riga)
{
    if (argomenti.size() % 2 != 0)
        return usoSbagliato(QStringLiteral("Numero di argomenti errato per --export-pdf"));
    OpzioniPdf &opzioni = riga.esportazione.pdf;
    const QStringList opzioniPdf{QStringLiteral("--paper"), QStringLiteral("--orientation"),
                                 QStringLiteral("--overlap"), QStringLiteral("--calibration")};
    for (int i = 0; i < argomenti.size(); i += 2) {
        const QString &nome = argomenti[i], &valore = argomenti[i + 1];
        if (!opzioniPdf.contains(nome))
            return usoSbagliato(QStringLiteral("Opzione sconosciuta: ") + nome);
        // A blank calibration would quietly print without one.
        if (const auto rifiuto = ValoreRifiutato(argomenti, i))
            return usoSbagliato(*rifiuto);
        if (nome == QLatin1String("--paper")) {
            const auto carta = cartaDi(valore);
            if (!carta)
                return usoSbagliato(QStringLiteral("Carta sconosciuta: ") + valore);
            opzioni.carta = *carta;
        } else if (nome == QLatin1String("--orientation")) {
            const auto orientamento = orientamentoDi(valore);
            if (!orientamento)
                return usoSbagliato(QStringLiteral("Orientamento sconosciuto: ") + valore);
            opzioni.orientamento = *orientamento;
        } else if (nome == QLatin1String("--overlap")) {
            bool numero = false;
            opzioni.sovrapposizione = QLocale::c().toDouble(valore, &numero);
            if (!numero)
                return usoSbagliato(QStringLiteral("Sovrapposizione non valida: ") + valore);
        } else {
            riga.taratura = valore;
        }
    }
    if (!riga.taratura.isEmpty()) {
        // A calibration is known on the test grid as printed, landscape: a portrait sheet would
        // take its X zones across the short side, and its long side past what was measured.
        if (opzioni.orientamento == OrientamentoFogli::Verticale)
            return errore(QStringLiteral("Con una taratura i fogli sono orizzontali, come la griglia di taratura: "
                                         "--orientation portrait non è ammesso"));
        opzioni.orientamento = OrientamentoFogli::Orizzontale;
    }
    return std::nullopt;
}

// --bends N anywhere after the command, taken out of `argomenti`; or the exit code of a wrong one.
// The whole number after `opzione`, both taken out of `argomenti`: nothing when the option is not
// there, false when its value is no whole number in the range `ammesso` allows.
std::optional<bool> leggiIntero(QStringList &argomenti, const QString &opzione, const std::function<bool(int)> &ammesso,
                                std::optional<int> &valore)
{
    const qsizetype i = argomenti.indexOf(opzione);
    if (i < 0)
        return std::nullopt;
    bool numero = false;
    const int n = i + 1 < argomenti.size() ? argomenti[i + 1].toInt(&numero) : 0;
    if (!numero || !ammesso(n))
        return false;
    valore = n;
    argomenti.remove(i, 2);
    return true;
}

std::optional<int> leggiPieghe(QStringList &argomenti, std::optional<int> &pieghe)
{
    if (leggiIntero(argomenti, QStringLiteral("--bends"), PiegheAmmesse, pieghe) == false)
        return usoSbagliato(MessaggioPieghe());
    return std::nullopt;
}

// `vorna --info FILE [--json]`: the job read as the exports read it.
int info(QStringList argomenti, const NomiDellaRiga &nomi)
{
    const bool json = argomenti.removeAll(QStringLiteral("--json")) > 0;
    if (argomenti.size() != 1)
        return usoSbagliato(QStringLiteral("Numero di argomenti errato per --info"));
    if (!EstensioneCommessa(argomenti[0]))
        return errore(QStringLiteral("Il file deve avere estensione .tnt o .vorna: ") + argomenti[0]);
    FileDellaRiga da;
    if (const int numero = nomi.Trova(argomenti[0], false, da))
        return errore(MessaggioApertura(argomenti[0], EsitoFile::Fallito(MotivoNome(numero))));
    SorgentePezzo sorgente;
    QString avviso;
    Commessa commessa;
    if (const auto uscita = leggiFigure(da, sorgente, avviso, &commessa))
        return *uscita;
    if (commessa.gomito) {
        const ConsoleInstallata console;
        return StampaDatiCommessa(commessa, json);
    }
    const ConsoleInstallata console;
    if (!avviso.isEmpty())
        MsgBox(avviso);
    return StampaDatiOfficina(sorgente, json);
}

// The plate's options of the DXF and the CSV, or the exit code of a wrong one.
std::optional<int> leggiOpzioniLamiera(const QStringList &argomenti, OpzioniRiga &riga)
{
    if (const auto sbaglio = LeggiOpzioniLamiera(argomenti, riga.lamiera))
        return usoSbagliato(*sbaglio);
    return std::nullopt;
}

// The options a format takes after its two names.
std::optional<int> leggiOpzioni(const FormatoEsportazione &formato, const QStringList &argomenti, OpzioniRiga &riga)
{
    if (formato.estensione == QLatin1String(".pdf"))
        return leggiOpzioniPdf(argomenti, riga);
    return leggiOpzioniLamiera(argomenti, riga);
}

// The correction of the calibration named `nome` in Taratura.dat of the working folder, or the
// exit code of a file that cannot be read, a name it does not hold or holds more than once, or a
// damaged or implausible record.
std::optional<int> correzioneDi(const QString &nome, OpzioniPdf &opzioni)
{
    const TaraturaCercata cercata = CercaTaraturaPerNome(nome);
    if (!cercata.record)
        return errore(cercata.errore);
    opzioni.tarata = true;
    opzioni.taratura = TrimBlank(cercata.record->NomeTara);
    opzioni.correzione = CorrezioneDiTaratura(*cercata.record);
    return std::nullopt;
}

int uscitaFogli(ErroreFogli errore, const OpzioniPdf &opzioni)
{
    ScriviErrore(MessaggioErroreFogli(errore, CartaPdf(opzioni)));
    // A blank that cannot be laid out is refused like its figures; the rest are wrong arguments.
    return errore == ErroreFogli::SagomaVuota || errore == ErroreFogli::TroppiFogli ? UscitaDatiRifiutati
                                                                                    : UscitaErroreFile;
}

// The piece of the figures written in `formato`; a lack of memory on the way is a failed write.
EsitoScrittura scriviFigure(const FormatoEsportazione &formato, const SorgentePezzo &sorgente,
                            const OpzioniEsportazione &opzioni, const QString &percorso, const QString &origine)
{
    try {
        if (const auto pezzo = PezzoDellaSorgente(sorgente))
            return ScriviPezzo(formato, *pezzo, opzioni, percorso, origine);
        return {EsitoEsportazione::DatiRifiutati, percorso, {}, ErroreFogli::Nessuno, {}};
    } catch (const std::bad_alloc &) {
        return {EsitoEsportazione::NonScrivibile, percorso, MotivoMemoriaInsufficiente(), ErroreFogli::Nessuno, {}};
    }
}

// Every export: its options, the two files, the figures read, then the piece written.
int esporta(const FormatoEsportazione &formato, QStringList argomenti, const NomiDellaRiga &nomi, char *programma)
{
    OpzioniRiga riga;
    // The DXF's options may stand anywhere after the command.
    if (formato.estensione == QLatin1String(".dxf")) {
        riga.esportazione.dxf.archi = argomenti.removeAll(QStringLiteral("--arcs")) > 0;
        riga.esportazione.dxf.generatrici = argomenti.removeAll(QStringLiteral("--generators")) > 0;
        riga.striscia = argomenti.removeAll(QStringLiteral("--strip")) > 0;
        if (const auto uscita = leggiPieghe(argomenti, riga.pieghe))
            return *uscita;
    }
    const bool pdf = formato.estensione == QLatin1String(".pdf");
    if (pdf)
        riga.dime = argomenti.removeAll(QStringLiteral("--wrap")) > 0;
    if (pdf || formato.estensione == QLatin1String(".dxf")) {
        // Its range waits for the job: the message names it.
        if (leggiIntero(
                argomenti, QStringLiteral("--piece"), [](int) { return true; }, riga.pezzo) == false)
            return usoSbagliato(
                QStringLiteral("--piece deve essere il numero di un pezzo della commessa, da 1 al numero di pezzi"));
        if (riga.pezzo && riga.striscia)
            return usoSbagliato(QStringLiteral("--piece e --strip non si usano insieme: la striscia ha tutti i pezzi"));
    }
    if (argomenti.size() < 2)
        return usoSbagliato(QStringLiteral("Numero di argomenti errato per ") + formato.opzione);
    if (const auto uscita = leggiOpzioni(formato, argomenti.mid(2), riga))
        return *uscita;
    const QString &origine = argomenti[0], &destinazione = argomenti[1];
    if (const auto rifiuto = nomiRifiutati(origine, destinazione, formato.estensione))
        return *rifiuto;
    FileDellaRiga da, a;
    if (const auto uscita = trovaFile(nomi, origine, destinazione, da, a))
        return *uscita;
    SorgentePezzo sorgente;
    QString avviso;
    Commessa commessa;
    if (const auto uscita = leggiFigure(da, sorgente, avviso, &commessa))
        return *uscita;
    if (riga.pezzo) {
        if (*riga.pezzo < 1 || std::size_t(*riga.pezzo) > commessa.pezzi.size())
            return errore(QStringLiteral("--piece deve essere il numero di un pezzo della commessa, da 1 a %1")
                              .arg(commessa.pezzi.size()));
        // The piece alone, as a job of that one piece would be written; in a PDF its sheets still
        // name it within the job, as the whole printout did.
        if (!pdf) {
            sorgente = commessa.pezzi[std::size_t(*riga.pezzo - 1)];
            commessa.gomito.reset();
        }
    }
    const ConsoleInstallata console;
    // An elbow's job is written whole, each piece with the options' plate, and so is the PDF of
    // any job of several pieces; other jobs of several pieces still give their first piece in a
    // DXF or CSV, as they always did.
    const bool tutti = commessa.gomito || riga.striscia || (pdf && commessa.pezzi.size() > 1);
    if (riga.dime && !tutti)
        return errore(QStringLiteral("--wrap vale per una commessa di più pezzi, come un gomito"));
    if (tutti) {
        for (SorgentePezzo &pezzo : commessa.pezzi) {
            if (riga.pieghe && pezzo.solido == TipoSolido::Tronco)
                pezzo.tronco.Pieghe = *riga.pieghe;
            if (!applicaLamiera(riga.lamiera, pezzo))
                return UscitaDatiRifiutati;
        }
        if (!pdf) {
            const EsitoScrittura esito =
                ScriviPezziDellaCommessa(formato, commessa, riga.esportazione, a.percorso, da.percorso, riga.striscia);
            return uscitaEsportazione(esito.esito, a.mostrato, esito.motivo);
        }
    } else {
        if (riga.pieghe && sorgente.solido == TipoSolido::Tronco)
            sorgente.tronco.Pieghe = *riga.pieghe;
        if (!applicaLamiera(riga.lamiera, sorgente))
            return UscitaDatiRifiutati;
        if (!avviso.isEmpty() && !riga.lamiera.spessore)
            MsgBox(avviso);
    }
    OpzioniPdf &opzioniPdf = riga.esportazione.pdf;
    if (!riga.taratura.isEmpty())
        if (const auto uscita = correzioneDi(riga.taratura, opzioniPdf))
            return *uscita;

    // The PDF's texts need Qt's fonts, hence an application; never a display. Qt's own notices (no
    // runtime folder, say) are no concern of a batch run, whose outcome is told below.
    std::optional<QGuiApplication> applicazione;
    int argc = 1;
    char *argv[] = {programma, nullptr};
    if (pdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        applicazione.emplace(argc, argv);
    }
    const EsitoScrittura esito =
        tutti ? ScriviPdfDellaCommessa(commessa, opzioniPdf, a.percorso, da.percorso, riga.dime,
                                       riga.pezzo ? std::optional(*riga.pezzo - 1) : std::nullopt)
              : scriviFigure(formato, sorgente, riga.esportazione, a.percorso, da.percorso);
    if (esito.fogli != ErroreFogli::Nessuno)
        return uscitaFogli(esito.fogli, opzioniPdf);
    return uscitaEsportazione(esito.esito, a.mostrato, esito.motivo);
}
} // namespace

std::optional<int> EseguiRigaDiComando(int argc, char *argv[])
{
    NomiDellaRiga nomi;
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << nomi.Testo(argv[i]);
    if (argomenti.isEmpty())
        return std::nullopt;

    const QString comando = argomenti.first();
    if (const FormatoEsportazione *formato = FormatoPerOpzione(comando))
        return esporta(*formato, argomenti.mid(1), nomi, argv[0]);
    if (comando == QLatin1String("--new-cone"))
        return NuovoCono(argomenti.mid(1), nomi);
    if (comando == QLatin1String("--new-elbow"))
        return NuovoGomito(argomenti.mid(1), nomi);
    if (comando == QLatin1String("--new-eccentric"))
        return NuovoEccentrico(argomenti.mid(1), nomi);
    if (comando == QLatin1String("--info"))
        return info(argomenti.mid(1), nomi);
    if (comando == QLatin1String("--split"))
        return DividiLamiere(argomenti.mid(1), nomi);
    const bool aiuto = comando == QLatin1String("--help"), versione = comando == QLatin1String("--version");
    if (!aiuto && !versione) {
        // Plain names are left to the windows; an option nobody knows must not open them.
        const auto opzione = std::find_if(argomenti.cbegin(), argomenti.cend(),
                                          [](const QString &a) { return a.startsWith(QLatin1Char('-')); });
        if (opzione == argomenti.cend())
            return std::nullopt;
        return usoSbagliato(QStringLiteral("Opzione sconosciuta: ") + *opzione);
    }
    if (argomenti.size() != 1)
        return usoSbagliato(QStringLiteral("Numero di argomenti errato per ") + comando);
    if (aiuto) {
        std::fputs(k_Uso, stdout);
        std::fputs(k_UsoNuovoCono, stdout);
        std::fputs(k_UsoNuovoGomito, stdout);
        std::fputs(k_UsoNuovoEccentrico, stdout);
        std::fputs(k_UsoDividi, stdout);
        return UscitaRiuscita;
    }
    std::fputs(qPrintable(QStringLiteral("Vorna ") + VersioneApplicazione() + QLatin1Char('\n')), stdout);
    return UscitaRiuscita;
}
