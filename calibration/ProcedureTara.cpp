// Save, remove and list calibrations, with the questions and failure reports the user sees.
#include "calibration/ProcedureTara.h"

#include "platform/FileSicuro.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
void avvisaLettura(const QString &percorso)
{
    MsgBox(QStringLiteral("Impossibile leggere il file ") + QFileInfo(percorso).fileName());
}

void avvisaScrittura(const QString &percorso)
{
    MsgBox(QStringLiteral("Impossibile scrivere il file ") + QFileInfo(percorso).fileName());
}

std::optional<QList<RecordTara>> leggi(const QString &percorso)
{
    auto record = LeggiTarature(percorso);
    if (!record)
        avvisaLettura(percorso);
    return record;
}

bool scrivi(const QList<RecordTara> &record, const QString &percorso)
{
    if (ScriviTarature(record, percorso))
        return true;
    avvisaScrittura(percorso);
    return false;
}

// The new content goes to Lavoro.dat first and then replaces Taratura.dat by one rename, so a
// crash at any moment leaves either the old or the new file, and never loses a calibration.
bool sostituisciConLavoro(const QList<RecordTara> &record, const QString &percorso)
{
    const QString lavoro = QFileInfo(percorso).dir().filePath(k_FileLavoro);
    if (!scrivi(record, lavoro))
        return false;
    if (SostituisciFile(lavoro, percorso))
        return true;
    QFile::remove(lavoro);
    avvisaScrittura(percorso);
    return false;
}

// Bytes that hold no whole record are kept aside before anything replaces them: they may be what
// is left of the user's own calibrations. `seguito` ends the message telling the user so. False
// after a reported failure to keep them.
bool conservaDanneggiato(const QString &percorso, const QString &seguito)
{
    const auto danneggiato = LeggiFile(percorso);
    if (!danneggiato || danneggiato->isEmpty())
        return true;
    const QString copia = percorso + QStringLiteral(".danneggiato");
    if (!ScriviFileSicuro(copia, *danneggiato)) {
        avvisaScrittura(copia);
        return false;
    }
    MsgBox(QFileInfo(percorso).fileName()
           + QStringLiteral(" non contiene tarature complete: il suo contenuto è conservato in ")
           + QFileInfo(copia).fileName() + seguito);
    return true;
}
}

EsitoSalvaTara SalvaTara(const RecordTara &nuovo, const QString &percorso)
{
    auto record = leggi(percorso);
    if (!record)
        return {EsitoTara::Errore, 0};
    // A file cut short under an open manager holds no whole record: what is left is not lost.
    if (record->isEmpty() && !conservaDanneggiato(percorso, QStringLiteral(".")))
        return {EsitoTara::Errore, 0};
    int indice = CercaTara(*record, nuovo.NomeTara);
    if (indice > 0) {
        if (MsgBox(QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?"), Pulsanti::SiNo)
            != RispostaSi)
            return {EsitoTara::Rinunciato, 0};
        (*record)[indice - 1] = nuovo;
    } else {
        if (record->size() >= k_MassimoTarature) {
            MsgBox(QStringLiteral("Impossibile aggiungere altre tarature: il file ne contiene già %1")
                       .arg(k_MassimoTarature));
            return {EsitoTara::Errore, 0};
        }
        record->append(nuovo);
        indice = int(record->size());
    }
    if (!scrivi(*record, percorso))
        return {EsitoTara::Errore, 0};
    return {EsitoTara::Eseguito, indice};
}

EsitoTara RimuoviTara(int indiceSelezionato, int numeroVociLista, const QString &percorso)
{
    auto record = leggi(percorso);
    // A file deleted or cut short since the list was filled has nothing to remove.
    if (!record || record->isEmpty()) {
        if (record)
            avvisaLettura(percorso);
        return EsitoTara::Errore;
    }
    if (numeroVociLista == 1 || record->size() <= 1) {
        MsgBox(QStringLiteral("Impossibile eliminare tutte le tarature!"));
        return EsitoTara::Rifiutato;
    }
    const int k = indiceSelezionato + 1;
    if (k < 1 || k > record->size())
        return EsitoTara::Rinunciato; // no entry selected, or a list out of step with the file
    const QString domanda =
        QStringLiteral("Elimino definitivamente: ") + TrimBlank(record->at(k - 1).NomeTara) + QLatin1Char('?');
    if (MsgBox(domanda, Pulsanti::OKAnnulla) != RispostaOK)
        return EsitoTara::Rinunciato;
    record->removeAt(k - 1);
    return sostituisciConLavoro(*record, percorso) ? EsitoTara::Eseguito : EsitoTara::Errore;
}

QStringList NomiTarature(const QString &percorso)
{
    QStringList nomi;
    if (const auto record = leggi(percorso))
        for (const RecordTara &r : *record)
            nomi.append(TrimBlank(r.NomeTara));
    return nomi;
}

std::optional<RecordTara> CaricaTara(int n, const QString &percorso)
{
    const auto record = leggi(percorso);
    if (!record)
        return std::nullopt;
    if (n < 1 || n > record->size()) {
        avvisaLettura(percorso);
        return std::nullopt;
    }
    return record->at(n - 1);
}

bool CreaTaratureIniziali(const QString &percorso)
{
    const auto record = leggi(percorso);
    if (!record)
        return false;
    if (!record->isEmpty())
        return true;
    if (!conservaDanneggiato(percorso, QStringLiteral(" e sono ripristinate le tarature predefinite.")))
        return false;
    return scrivi({TaraDefault(), TaraLexmark()}, percorso);
}
