// Save, remove and list calibrations, with the questions and failure reports the user sees.
#include "calibration/ProcedureTara.h"

#include "platform/BloccoFile.h"
#include "platform/FileSicuro.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <functional>

namespace {
QString impossibile(const char *azione, const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Impossibile %1 il file ").arg(QLatin1String(azione)) + QFileInfo(percorso).fileName() +
           QStringLiteral(": ") + motivo;
}

QString lettura(const QString &percorso, const QString &motivo) { return impossibile("leggere", percorso, motivo); }
QString scrittura(const QString &percorso, const QString &motivo) { return impossibile("scrivere", percorso, motivo); }

std::optional<QList<RecordTara>> leggi(const QString &percorso)
{
    QString motivo;
    auto record = LeggiTarature(percorso, &motivo);
    if (!record)
        MsgBox(lettura(percorso, motivo));
    return record;
}

// Why a file gave no calibration to remove or show.
QString senzaTarature(const QString &percorso)
{
    return QFileInfo::exists(percorso) ? QStringLiteral("non contiene tarature complete") : MotivoErrore(ENOENT);
}

// What a change under the lock did, and the messages it leaves for after the lock is released.
struct Modifica {
    EsitoTara esito = EsitoTara::Errore;
    int indice = 0;      // record number written by a save
    bool ripeti = false; // the file changed what the user was asked: ask again
    QStringList avvisi;
};

// Takes the lock, reads the records, lets `applica` change them and writes them back when it
// returns true; then releases the lock and shows the messages. A box left open must not keep
// other programs waiting.
Modifica sottoBlocco(const QString &percorso, const std::function<bool(QList<RecordTara> &, Modifica &)> &applica)
{
    Modifica modifica;
    {
        BloccoFile blocco(percorso);
        QString motivo;
        std::optional<QList<RecordTara>> record;
        if (const EsitoFile preso = blocco.Prendi(); !preso)
            modifica.avvisi.append(scrittura(percorso, preso.motivo));
        else if (!(record = LeggiTarature(percorso, &motivo)))
            modifica.avvisi.append(lettura(percorso, motivo));
        else if (applica(*record, modifica)) {
            if (const EsitoFile scritto = ScriviTarature(*record, percorso); !scritto) {
                modifica.esito = EsitoTara::Errore;
                modifica.avvisi.append(scrittura(percorso, scritto.motivo));
            }
        }
    }
    for (const QString &avviso : modifica.avvisi)
        MsgBox(avviso);
    return modifica;
}

// Bytes that hold no whole record are kept aside before anything replaces them: they may be what
// is left of the user's own calibrations. `seguito` ends the message telling the user so. False
// after a failure to keep them.
bool conservaDanneggiato(const QString &percorso, const QString &seguito, QStringList &avvisi)
{
    QByteArray danneggiato;
    if (!QFileInfo::exists(percorso) || !LeggiFile(percorso, k_LunghezzaRecordTara, danneggiato) ||
        danneggiato.isEmpty())
        return true;
    const QString copia = percorso + QStringLiteral(".danneggiato");
    if (const EsitoFile esito = ScriviFileSicuro(copia, danneggiato); !esito) {
        avvisi.append(scrittura(copia, esito.motivo));
        return false;
    }
    avvisi.append(QFileInfo(percorso).fileName() +
                  QStringLiteral(" non contiene tarature complete: il suo contenuto è conservato in ") +
                  QFileInfo(copia).fileName() + seguito);
    return true;
}

bool stessoNome(const RecordTara &a, const RecordTara &b)
{
    return TrimBlank(a.NomeTara).toUpper() == TrimBlank(b.NomeTara).toUpper();
}

// The work file of earlier versions, if one was left: stale once the file is rewritten. A link
// is removed itself, never what it leads to.
void eliminaLavoroAvanzato(const QString &percorso)
{
    const QFileInfo lavoro(QFileInfo(percorso).dir().filePath(k_FileLavoro));
    if (lavoro.isSymLink() || lavoro.isFile())
        QFile::remove(lavoro.filePath());
}
} // namespace

EsitoSalvaTara SalvaTara(const RecordTara &nuovo, const QString &percorso)
{
    for (;;) {
        const auto letti = leggi(percorso);
        if (!letti)
            return {EsitoTara::Errore, 0};
        const bool esistente = CercaTara(*letti, nuovo.NomeTara) > 0;
        if (esistente && MsgBox(QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?"),
                                Pulsanti::SiNo) != RispostaSi)
            return {EsitoTara::Rinunciato, 0};
        const Modifica fatta = sottoBlocco(percorso, [&](QList<RecordTara> &record, Modifica &m) {
            int indice = CercaTara(record, nuovo.NomeTara);
            if ((indice > 0) != esistente) {
                m.ripeti = true;
                return false;
            }
            // A file cut short under an open manager holds no whole record: what is left is not lost.
            if (record.isEmpty() && !conservaDanneggiato(percorso, QStringLiteral("."), m.avvisi))
                return false;
            if (indice > 0) {
                record[indice - 1] = nuovo;
            } else {
                if (record.size() >= k_MassimoTarature) {
                    m.avvisi.append(QStringLiteral("Impossibile aggiungere altre tarature: il file ne contiene già %1")
                                        .arg(record.size()));
                    return false;
                }
                record.append(nuovo);
                indice = int(record.size());
            }
            m.esito = EsitoTara::Eseguito;
            m.indice = indice;
            return true;
        });
        if (!fatta.ripeti)
            return {fatta.esito, fatta.esito == EsitoTara::Eseguito ? fatta.indice : 0};
    }
}

EsitoTara RimuoviTara(int indiceSelezionato, int numeroVociLista, const QString &percorso)
{
    const auto letti = leggi(percorso);
    if (!letti)
        return EsitoTara::Errore;
    // A file deleted or cut short since the list was filled has nothing to remove.
    if (letti->isEmpty()) {
        MsgBox(lettura(percorso, senzaTarature(percorso)));
        return EsitoTara::Errore;
    }
    const QString rifiuto = QStringLiteral("Impossibile eliminare tutte le tarature!");
    if (numeroVociLista == 1 || letti->size() <= 1) {
        MsgBox(rifiuto);
        return EsitoTara::Rifiutato;
    }
    const int k = indiceSelezionato + 1;
    if (k < 1 || k > letti->size())
        return EsitoTara::Rinunciato; // no entry selected, or a list out of step with the file
    const RecordTara scelto = letti->at(k - 1);
    const QString domanda = QStringLiteral("Elimino definitivamente: ") + TrimBlank(scelto.NomeTara) + QLatin1Char('?');
    if (MsgBox(domanda, Pulsanti::OKAnnulla) != RispostaOK)
        return EsitoTara::Rinunciato;
    return sottoBlocco(percorso,
                       [&](QList<RecordTara> &record, Modifica &m) {
                           if (record.size() <= 1) {
                               m.esito = EsitoTara::Rifiutato;
                               m.avvisi.append(rifiuto);
                               return false;
                           }
                           const int i = k <= record.size() && stessoNome(record.at(k - 1), scelto)
                                             ? k
                                             : CercaTara(record, TrimBlank(scelto.NomeTara));
                           m.esito = EsitoTara::Eseguito; // one already removed by another program is done too
                           if (i == 0)
                               return false;
                           record.removeAt(i - 1);
                           eliminaLavoroAvanzato(percorso);
                           return true;
                       })
        .esito;
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
        MsgBox(lettura(percorso, record->isEmpty() ? senzaTarature(percorso)
                                                   : QStringLiteral("non contiene la taratura n. %1").arg(n)));
        return std::nullopt;
    }
    return record->at(n - 1);
}

bool CreaTaratureIniziali(const QString &percorso)
{
    const auto letti = leggi(percorso);
    if (!letti)
        return false;
    if (!letti->isEmpty())
        return true;
    const Modifica fatta = sottoBlocco(percorso, [&](QList<RecordTara> &record, Modifica &m) {
        m.esito = EsitoTara::Rinunciato;
        if (!record.isEmpty()) // another program wrote them first
            return false;
        if (!conservaDanneggiato(percorso, QStringLiteral(" e sono ripristinate le tarature predefinite."), m.avvisi)) {
            m.esito = EsitoTara::Errore;
            return false;
        }
        record = {TaraDefault(), TaraLexmark()};
        m.esito = EsitoTara::Eseguito;
        return true;
    });
    return fatta.esito != EsitoTara::Errore;
}
