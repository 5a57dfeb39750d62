// Whole-file access to Taratura.dat: read it all, change it in memory, write it all back safely.
#include "calibration/FileTaratura.h"

#include "platform/FileSicuro.h"
#include "platform/TestoFisso.h"

#include <QFileInfo>

std::optional<QList<RecordTara>> LeggiTarature(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (!info.exists() && !info.isSymLink())
        return QList<RecordTara>();
    const std::optional<QByteArray> byte = LeggiFile(percorso);
    if (!byte)
        return std::nullopt;
    const qsizetype interi = byte->size() / k_LunghezzaRecordTara;
    QList<RecordTara> record;
    record.reserve(interi);
    for (qsizetype i = 0; i < interi; ++i)
        record.append(TaraDaByte(byte->mid(i * k_LunghezzaRecordTara, k_LunghezzaRecordTara)));
    return record;
}

bool ScriviTarature(const QList<RecordTara> &record, const QString &percorso)
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
    auto record = LeggiTarature(percorso);
    if (!record || n < 1 || n > record->size() + 1 || n > k_MassimoTarature)
        return false;
    if (n == record->size() + 1)
        record->append(nuovo);
    else
        (*record)[n - 1] = nuovo;
    return ScriviTarature(*record, percorso);
}

int CercaTara(const QList<RecordTara> &record, const QString &nome)
{
    const QString cercato = NomeMemorizzato(nome).toUpper();
    for (qsizetype i = 0; i < record.size(); ++i)
        if (TrimBlank(record.at(i).NomeTara).toUpper() == cercato)
            return int(i + 1);
    return 0;
}
