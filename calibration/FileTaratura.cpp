// Taratura.dat read record by record within a bound, written whole and atomically.
#include "calibration/FileTaratura.h"

#include "platform/BloccoFile.h"
#include "platform/TestoFisso.h"

#include <QFileInfo>

std::optional<QList<RecordTara>> LeggiTarature(const QString &percorso, QString *motivo)
{
    const QFileInfo info(percorso);
    if (!info.exists() && !info.isSymLink())
        return QList<RecordTara>();
    FileInLettura file;
    EsitoFile esito = file.Apri(percorso);
    const qint64 interi = file.Dimensione() / k_LunghezzaRecordTara;
    // The size is known before a byte is read: a huge or sparse file is refused, not loaded.
    if (esito && interi > k_MassimoTarature)
        esito = EsitoFile::Fallito(QStringLiteral("contiene %1 tarature, più delle %2 che il programma può gestire")
                                       .arg(interi)
                                       .arg(k_MassimoTarature));
    QList<RecordTara> record;
    record.reserve(esito ? qsizetype(interi) : 0);
    QByteArray byte;
    for (qint64 i = 0; esito && i < interi; ++i) {
        esito = file.Leggi(i * k_LunghezzaRecordTara, k_LunghezzaRecordTara, byte);
        if (esito && byte.size() < k_LunghezzaRecordTara)
            break; // cut short since its size was taken: the whole records read are the file
        if (esito)
            record.append(TaraDaByte(byte));
    }
    if (!esito) {
        if (motivo)
            *motivo = esito.motivo;
        return std::nullopt;
    }
    return record;
}

EsitoFile ScriviTarature(const QList<RecordTara> &record, const QString &percorso)
{
    QByteArray byte;
    byte.reserve(record.size() * k_LunghezzaRecordTara);
    for (const RecordTara &r : record)
        byte.append(ByteDiTara(r));
    return ScriviFileSicuro(percorso, byte);
}

std::optional<int> ContaTarature(const QString &percorso)
{
    const auto record = LeggiTarature(percorso);
    if (!record)
        return std::nullopt;
    return int(record->size());
}

std::optional<RecordTara> LeggiTara(int n, const QString &percorso)
{
    const auto record = LeggiTarature(percorso);
    if (!record || n < 1 || n > record->size())
        return std::nullopt;
    return record->at(n - 1);
}

bool ScriviTara(int n, const RecordTara &nuovo, const QString &percorso)
{
    BloccoFile blocco(percorso);
    if (!blocco.Prendi())
        return false;
    auto record = LeggiTarature(percorso);
    if (!record || n < 1 || n > record->size() + 1 || n > k_MassimoTarature)
        return false;
    if (n == record->size() + 1)
        record->append(nuovo);
    else
        (*record)[n - 1] = nuovo;
    return bool(ScriviTarature(*record, percorso));
}

int CercaTara(const QList<RecordTara> &record, const QString &nome)
{
    const QString cercato = NomeMemorizzato(nome).toUpper();
    for (qsizetype i = 0; i < record.size(); ++i)
        if (TrimBlank(record.at(i).NomeTara).toUpper() == cercato)
            return int(i + 1);
    return 0;
}
