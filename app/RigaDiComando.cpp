// The batch commands: export a .tnt development as DXF or CSV, help and version; no display needed.
#include "app/RigaDiComando.h"

#include "app/PiattaformaConsole.h"
#include "development/EsportaCsv.h"
#include "development/EsportaDxf.h"
#include "development/RecordSviluppo.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {
// Exit codes of the batch commands.
enum : int { UscitaRiuscita = 0, UscitaDatiRifiutati = 1, UscitaErroreFile = 2 };

using Esportatore = EsitoEsportazione (*)(const FigureSviluppo &, const QString &, const QString &, QString *);

const char k_Uso[] =
    "Uso: vorna [FILE.tnt ... | --export-dxf FILE.tnt OUT.dxf | --export-csv FILE.tnt OUT.csv | --help |\n"
    "           --version]\n"
    "Senza argomenti apre la finestra del programma; i file .tnt nominati si aprono ciascuno in una\n"
    "finestra.\n"
    "  --export-dxf FILE.tnt OUT.dxf  esporta lo sviluppo in DXF (R12) a grandezza reale, in mm\n"
    "  --export-csv FILE.tnt OUT.csv  esporta la tabella delle ordinate dello sviluppo in CSV\n"
    "  --help                         mostra questo aiuto\n"
    "  --version                      mostra la versione\n"
    "Uscita: 0 riuscita, 1 dati dello sviluppo non validi, 2 file non leggibile o non scrivibile\n"
    "o argomenti errati.\n";

// How many names follow each of our options; -1 when it is not one of ours.
int argomentiDi(const QString &opzione)
{
    if (opzione == QLatin1String("--export-dxf") || opzione == QLatin1String("--export-csv"))
        return 2;
    if (opzione == QLatin1String("--help") || opzione == QLatin1String("--version"))
        return 0;
    return -1;
}

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

// The names must not be swapped by mistake: a .tnt file is never the one written.
std::optional<int> nomiRifiutati(const QString &origine, const QString &destinazione, const QString &estensione)
{
    if (!origine.endsWith(QLatin1String(".tnt")))
        return errore(QStringLiteral("Il file da esportare deve avere estensione .tnt: ") + origine);
    if (!destinazione.endsWith(estensione, Qt::CaseInsensitive))
        return errore(QStringLiteral("Il file di destinazione deve avere estensione ") + estensione +
                      QStringLiteral(": ") + destinazione);
    return std::nullopt;
}

int esporta(const QString &origine, const QString &destinazione, Esportatore esportatore)
{
    RecordSviluppo buffer;
    QString motivo;
    switch (LeggiRecordSviluppo(origine, buffer, &motivo)) {
    case EsitoFileSviluppo::Ok:
        break;
    case EsitoFileSviluppo::Mancante:
        return errore(QStringLiteral("File inesistente: ") + origine);
    case EsitoFileSviluppo::NonLeggibile:
    case EsitoFileSviluppo::NonScrivibile:
        return errore(QStringLiteral("Impossibile leggere il file: ") + origine + QStringLiteral(": ") + motivo);
    }
    const FigureSviluppo &figure = buffer;

    PiattaformaConsole console;
    Piattaforma::installa(&console);
    const EsitoEsportazione esito = esportatore(figure, destinazione, origine, &motivo);
    Piattaforma::installa(nullptr);

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
} // namespace

std::optional<int> EseguiRigaDiComando(int argc, char *argv[])
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    if (argomenti.isEmpty())
        return std::nullopt;

    const QString comando = argomenti.first();
    const int attesi = argomentiDi(comando);
    if (attesi < 0) {
        // Plain names are left to the windows; an option nobody knows must not open them.
        const auto opzione = std::find_if(argomenti.cbegin(), argomenti.cend(),
                                          [](const QString &a) { return a.startsWith(QLatin1Char('-')); });
        if (opzione == argomenti.cend())
            return std::nullopt;
        return usoSbagliato(QStringLiteral("Opzione sconosciuta: ") + *opzione);
    }
    if (argomenti.size() != 1 + attesi)
        return usoSbagliato(QStringLiteral("Numero di argomenti errato per ") + comando);
    if (comando == QLatin1String("--help")) {
        std::fputs(k_Uso, stdout);
        return UscitaRiuscita;
    }
    if (comando == QLatin1String("--version")) {
        std::fputs(qPrintable(QStringLiteral("Vorna ") + VersioneApplicazione() + QLatin1Char('\n')), stdout);
        return UscitaRiuscita;
    }
    const bool dxf = comando == QLatin1String("--export-dxf");
    const QString estensione = dxf ? QStringLiteral(".dxf") : QStringLiteral(".csv");
    if (const auto rifiuto = nomiRifiutati(argomenti[1], argomenti[2], estensione))
        return rifiuto;
    return esporta(argomenti[1], argomenti[2], dxf ? &EsportaDxf : &EsportaCsv);
}
